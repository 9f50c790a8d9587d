#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing
# (with sudo when not root).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libboost-dev
  # draws the program's SVG icons
  libqt6svg6
  # JACK 2 with its headers, so that RtMidi's development package takes them
  # instead of the JACK 1 headers that would remove the JACK 2 server
  jackd2 libjack-jackd2-dev librtmidi-dev libasound2-dev
  # PipeWire with its own libjack (used only under pw-jack, so JACK 2 stays
  # the system's libjack), for the tests on PipeWire
  pipewire pipewire-bin pipewire-jack
  libgtest-dev libgmock-dev libbenchmark-dev
  # the library of patches and the unit's history
  libsqlite3-dev
  qt6-l10n-tools qt6-translations-l10n fonts-ipafont-gothic
  # the desktop's validators, which the tests run on the desktop entry and
  # the AppStream metainfo made by the build
  desktop-file-utils appstream
  # an SMF reader of its own, with which the tests read back the Standard
  # MIDI Files the librarian writes
  python3-mido
)

# Debian 13 moved Qt's SVG plugins, which draw the icons, out of libqt6svg6.
# The layout check (scripts/check-format.sh) wants clang-format 14, whose
# layout differs from later versions; Debian 12 has it, Debian 13 not.
if ! grep -q '^VERSION_CODENAME=bookworm' /etc/os-release 2>/dev/null; then
  packages+=(qt6-svg-plugins)
else
  packages+=(clang-format-14)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
