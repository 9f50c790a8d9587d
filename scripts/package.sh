#!/usr/bin/env bash
# Builds the Debian package zm47-librarian (debian/, dpkg-buildpackage) and
# checks it with lintian, which must report no errors and no warning that is
# not overridden (debian/*lintian-overrides, each with its reason). The
# .deb ends up in build/package/.
#   scripts/package.sh                full build, with the tests (Release)
#   DEB_BUILD_OPTIONS="nocheck parallel=2" scripts/package.sh
#                                     without building or running the tests
# The build dependencies it lacks are installed first (root or sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo

tools=(dpkg-dev debhelper lintian desktop-file-utils appstream)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
# What debian/control's Build-Depends names and is not installed yet.
profiles=()
if [[ " ${DEB_BUILD_OPTIONS:-} " == *" nocheck "* ]]; then
  profiles=(-P nocheck)
  export DEB_BUILD_PROFILES=nocheck
fi
if ! dpkg-checkbuilddeps "${profiles[@]}" >/dev/null 2>&1; then
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get build-dep -y --no-install-recommends "${profiles[@]}" ./
fi

export DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS:-parallel=$(nproc)}
# dpkg-buildpackage puts its results in the parent folder; the package is
# built from a copy of the committed and changed files, so that neither the
# source tree nor its parent collects build products.
out=build/package
work=$out/src
rm -rf "$out"
mkdir -p "$work"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard |
    tar --null --files-from=- --ignore-failed-read -c -f - | tar -x -f - -C "$work"
else
  # A copy of the sources without git (a CI that unpacks an archive, for
  # one): everything but the build folders.
  tar --exclude=./build --exclude='./build-*' --exclude=./.git -c -f - . | tar -x -f - -C "$work"
fi
# debhelper gives the build a home of its own; the compiler cache stays the
# user's, so that a second package build reuses the first one's objects.
if command -v ccache >/dev/null; then
  export CCACHE_DIR=${CCACHE_DIR:-$(ccache -k cache_dir)}
fi
(cd "$work" && dpkg-buildpackage -us -uc -b)
rm -rf "$work"
deb=$(ls "$out"/zm47-librarian_*.deb)
echo "== $deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'

# The desktop entry and the metainfo as the package installs them.
files=$out/files
dpkg-deb -x "$deb" "$files"
desktop-file-validate "$files"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$files"/usr/share/metainfo/*.metainfo.xml
rm -rf "$files"

# lintian: errors fail, and so does any warning left without an override.
lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb"
echo "lintian: no errors and no warnings that are not overridden"
