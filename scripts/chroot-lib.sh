# shellcheck shell=bash
# Shared by the scripts that try the librarian in a fresh Debian system:
# makes a minimal chroot with debootstrap, mounts what programs inside need
# and takes every mount down again on exit, whatever happened.
# Sourced, not run; needs root, debootstrap and the Debian mirror.

chroot_dir=""

chroot_umount() {
  [ -n "$chroot_dir" ] || return 0
  local m
  # Innermost first, so that /dev/pts goes before /dev.
  for m in dev/shm dev/pts dev sys proc; do
    if mountpoint -q "$chroot_dir/$m"; then
      umount "$chroot_dir/$m" 2>/dev/null || umount -l "$chroot_dir/$m" || true
    fi
  done
}

# chroot_create SUITE DIR: a minbase system of SUITE in DIR (made anew), with
# /proc, /sys, /dev, /dev/pts and a private /dev/shm mounted and the host's
# name resolution.
chroot_create() {
  local suite=$1
  chroot_dir=$2
  local mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
  if ! command -v debootstrap >/dev/null; then
    echo "chroot-lib.sh: debootstrap is needed (apt-get install debootstrap)" >&2
    return 1
  fi
  rm -rf "$chroot_dir"
  mkdir -p "$chroot_dir"
  trap chroot_umount EXIT
  debootstrap --variant=minbase "$suite" "$chroot_dir" "$mirror" >"$chroot_dir.debootstrap.log" 2>&1 || {
    tail -20 "$chroot_dir.debootstrap.log" >&2
    return 1
  }
  cp /etc/resolv.conf "$chroot_dir/etc/resolv.conf"
  mount -t proc proc "$chroot_dir/proc"
  mount -t sysfs sys "$chroot_dir/sys"
  mount --bind /dev "$chroot_dir/dev"
  mount --bind /dev/pts "$chroot_dir/dev/pts"
  # A shared memory folder of its own: a JACK server of the host leaves its
  # metadata database there, which another release's libdb refuses
  # ("Build signature doesn't match environment").
  mount -t tmpfs -o mode=1777 shm "$chroot_dir/dev/shm"
  # Services are not started inside the chroot by package scripts.
  printf '#!/bin/sh\nexit 101\n' >"$chroot_dir/usr/sbin/policy-rc.d"
  chmod +x "$chroot_dir/usr/sbin/policy-rc.d"
}

# chroot_run COMMAND...: runs a shell command inside, as root, with a clean
# environment.
chroot_run() {
  chroot "$chroot_dir" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive /bin/bash -c "$*"
}
