#!/usr/bin/env bash
# Takes the README's pictures as a new user sees the librarian: a virtual X
# display (Xvfb) of 1366 x 768, an empty profile (nothing stored: window
# places and column widths are the first run's) and the simulated unit.
#   docs/main-window.png    the main window after the start-up read
#   docs/file-window.png    a librarian file window beside it (tiled)
#   docs/japanese.png       the same two windows in Japanese
# Needs xvfb, xdotool and imagemagick, which the build itself does not need. SCREENSHOT_SCALE=2 takes them at QT_SCALE_FACTOR=2 on a
# display twice the size, into docs/scale2-*.png, to check the high-density
# look.
set -euo pipefail
cd "$(dirname "$0")/.."
# ZM47_LIBRARIAN and ZM47_CLI name programs already built; otherwise both are
# built here.
program=${ZM47_LIBRARIAN:-}
cli=${ZM47_CLI:-}
if [ -z "$program" ] || [ -z "$cli" ]; then
  build=build/run
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZM47_TESTS=OFF -DZM47_BENCH=OFF >/dev/null
  cmake --build "$build" -j2 --target zm47-librarian zm47-cli
  program=$build/app/main/zm47-librarian
  cli=$build/cli/zm47-cli
fi

scale=${SCREENSHOT_SCALE:-1}
prefix=""
[ "$scale" != 1 ] && prefix="scale$scale-"
width=$((1366 * scale))
height=$((768 * scale))
display=:${SCREENSHOT_DISPLAY:-97}
work=$(mktemp -d)
Xvfb "$display" -screen 0 "${width}x${height}x24" -nolisten tcp &
xvfb=$!
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
sleep 1

# A librarian file to show: a copy of the simulated unit's memory, with the
# memos its patches carry. The unit writes its memory to the file once a
# patch has been written to it.
ASAN_OPTIONS=detect_leaks=0 "$cli" read "$work/memory.z4l" --area 1 --simulator 2>/dev/null
ASAN_OPTIONS=detect_leaks=0 "$cli" write "$work/memory.z4l" --area 1 --indexes 59 --simulator \
  --sim-memory "$work/Live set.z4l" 2>/dev/null

# One start of the librarian with a new, empty profile; the screen is saved
# after `wait` seconds, once the start-up read is over.
shoot() { # output-name tile(0|1) program-arguments...
  local name=$1 tile=$2
  shift 2
  local home=$work/home-$name
  mkdir -p "$home"
  DISPLAY=$display HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data TMPDIR=$home \
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale ASAN_OPTIONS=detect_leaks=0 \
    "$program" --simulator --no-register "$@" &
  app=$!
  sleep "${SCREENSHOT_WAIT:-6}"
  local frame
  frame=$(DISPLAY=$display xdotool search --onlyvisible --name '^ZM-47 Librarian' | head -1)
  if [ "$tile" = 1 ]; then
    # Window > Tile Vertically: the main window and the file window side by side.
    DISPLAY=$display xdotool windowfocus --sync "$frame"
    DISPLAY=$display xdotool key alt+w
    sleep 1
    DISPLAY=$display xdotool key v
    sleep 2
  fi
  # The picture is the frame alone (the display has no window manager, so
  # the frame has no border of its own).
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$frame")"
  mkdir -p docs
  import -display "$display" -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "docs/$prefix$name.png"
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  app=""
  echo "docs/$prefix$name.png"
}

shoot main-window 0 --lang en
shoot file-window 1 --lang en "$work/Live set.z4l"
shoot japanese 1 --lang ja "$work/Live set.z4l"
