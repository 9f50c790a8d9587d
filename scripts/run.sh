#!/usr/bin/env bash
# Installs what the build needs, builds the librarian and starts it with the
# simulated ZM-47, so the main window fills from the unit at once and reading,
# writing and previewing work without hardware. The simulated unit keeps its
# memory in build/run/simulated-unit.z4l between runs. Further arguments go
# to the program (a .z4l file to open, --lang ja).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
build=build/run
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZM47_TESTS=OFF -DZM47_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target zm47-librarian
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: no display found; start it from a desktop session (or set QT_QPA_PLATFORM=offscreen)." >&2
  exit 1
fi
exec "$build/app/main/zm47-librarian" --simulator --sim-memory "$build/simulated-unit.z4l" "$@"
