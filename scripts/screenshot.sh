#!/usr/bin/env bash
# Takes the README's screenshot: starts the librarian with the simulated unit
# on a virtual X display (Xvfb) with a temporary profile, and saves the screen
# around the main frame to docs/main-window.png. Needs xvfb, x11-apps (xwd)
# and imagemagick, which the build itself does not need.
set -euo pipefail
cd "$(dirname "$0")/.."
# ZM47_LIBRARIAN names a program already built; otherwise it is built here.
program=${ZM47_LIBRARIAN:-}
if [ -z "$program" ]; then
  build=build/run
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZM47_TESTS=OFF -DZM47_BENCH=OFF >/dev/null
  cmake --build "$build" -j2 --target zm47-librarian
  program=$build/app/main/zm47-librarian
fi

display=:${SCREENSHOT_DISPLAY:-97}
home=$(mktemp -d)
Xvfb "$display" -screen 0 1000x660x24 -nolisten tcp &
xvfb=$!
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
sleep 1
# The frame fills the screen from its top left corner, the main window the
# frame, and the list's columns are wide enough for names and memos.
mkdir -p "$home/config/Tessan"
printf '[Window]\nPosition=0,0,1000,660\nPosition4097=0,0,996,566\n[PatchListCtrl]\nColumnWidth="60,150,170,170,170,170"\n' \
  > "$home/config/Tessan/ZM-47 Librarian.ini"
DISPLAY=$display HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data TMPDIR=$home \
  QT_QPA_PLATFORM=xcb "$program" --simulator --no-register &
app=$!
sleep "${SCREENSHOT_WAIT:-5}"
mkdir -p docs
xwd -root -silent -display "$display" | convert xwd:- docs/main-window.png
echo "docs/main-window.png"
