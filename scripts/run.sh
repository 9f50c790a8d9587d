#!/usr/bin/env bash
# Builds the program and shows what it does: makes a librarian file of 60 new
# patches and lists it. Pass a .z4l file to list that one instead.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
build=build/run
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZM47_TESTS=OFF -DZM47_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target zm47-cli
file="${1:-}"
if [ -z "$file" ]; then
  file="$build/demo-60.z4l"
  "$build/cli/zm47-cli" new "$file" --count 60
fi
exec "$build/cli/zm47-cli" show "$file"
