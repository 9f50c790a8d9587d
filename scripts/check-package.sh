#!/usr/bin/env bash
# Installs the built package with apt on a fresh Debian system and runs both
# programs from it: a minbase chroot of SUITE (default bookworm) made with
# debootstrap, the .deb from build/package/ (scripts/package.sh) installed
# with its dependencies from the Debian archive, then
#   zm47-cli --version, zm47-cli read against the simulated unit,
#   zm47-librarian offscreen for a few seconds with the simulated unit.
#   scripts/check-package.sh [SUITE] [DIR]   (root; DIR default /var/tmp/zm47-check-SUITE)
set -euo pipefail
cd "$(dirname "$0")/.."
suite=${1:-bookworm}
dir=${2:-/var/tmp/zm47-check-$suite}
debs=(build/package/zm47-librarian_*.deb)
if [ ! -f "${debs[0]}" ]; then
  echo "check-package.sh: no package in build/package/; run scripts/package.sh first" >&2
  exit 1
fi
deb=${debs[-1]}
. scripts/chroot-lib.sh

echo "== a fresh $suite system (debootstrap --variant=minbase)"
chroot_create "$suite" "$dir"
cp "$deb" "$dir/tmp/"
name=$(basename "$deb")

echo "== apt install ./$name"
chroot_run "apt-get update -q >/dev/null && apt-get install -y -q /tmp/$name" | tail -3

# Everything below runs as in a user's session: a home of its own, no display.
chroot_run '
set -euo pipefail
export HOME=/tmp/user XDG_RUNTIME_DIR=/tmp/user/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cd "$HOME"
echo "== zm47-cli --version"
zm47-cli --version
echo "== zm47-librarian --version"
zm47-librarian --version
echo "== zm47-cli read all.z4l --area all --simulator"
zm47-cli read all.z4l --area all --simulator 2>read.log
tail -1 read.log
zm47-cli show all.z4l | sed -n "1p;60p;61p;120p"
echo "== zm47-librarian --simulator (offscreen, 5 seconds)"
set +e
QT_QPA_PLATFORM=offscreen timeout 5 zm47-librarian --simulator >app.log 2>&1
status=$?
set -e
cat app.log
if [ $status -ne 124 ]; then
  echo "zm47-librarian ended by itself with status $status before 5 seconds" >&2
  exit 1
fi
echo "zm47-librarian still running after 5 seconds: stopped"
# Run from its installed place, the program finds its files below
# /usr/share/zm47-librarian and leaves the registration of its file type to
# the package.
if [ -e "$HOME/.local/share/applications" ]; then
  echo "zm47-librarian registered itself in the user folder: it did not see its installed files" >&2
  exit 1
fi
echo "== installed files"
dpkg -L zm47-librarian | grep -E "^/usr/(bin|share/(applications|icons/hicolor/scalable/[a-z]+|metainfo|mime/packages|man/man1|bash-completion/completions|zm47-librarian/(Manual|Script/ZM4L))/.)"
echo "== bash completion"
bash -c ". /usr/share/bash-completion/completions/zm47-cli && complete -p zm47-cli"
echo "== the menu entry"
cat /usr/share/applications/*.desktop
'
# The man pages as a reader sees them; man-db comes after the checks above,
# so that it cannot have brought anything the package needs.
echo "== man pages"
chroot_run "apt-get install -y -q --no-install-recommends man-db >/dev/null 2>&1
for page in zm47-librarian zm47-cli; do
  MANWIDTH=80 man -P cat \$page 2>&1 | sed -n '1,12p'
  echo ...
done"
echo "== the package installs and both programs run on $suite"
