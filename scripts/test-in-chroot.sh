#!/usr/bin/env bash
# Runs the test command (scripts/test.sh) on a fresh Debian system: a
# minbase chroot of SUITE (default trixie) made with debootstrap, with the
# project's committed files copied in. Shows that the build and the tests
# need nothing beyond what scripts/install-deps.sh installs.
#   scripts/test-in-chroot.sh [SUITE] [DIR]   (root; DIR default /var/tmp/zm47-SUITE)
set -euo pipefail
cd "$(dirname "$0")/.."
suite=${1:-trixie}
dir=${2:-/var/tmp/zm47-$suite}
. scripts/chroot-lib.sh
chroot_create "$suite" "$dir"
mkdir -p "$dir/src"
git ls-files -z | xargs -0 cp --parents -t "$dir/src"
chroot_run "cd /src && ./scripts/test.sh"
