#!/usr/bin/env bash
# Builds the command-line tool and shows it at work: reads all 120 patches
# from the simulated unit into a librarian file, as a backup script would,
# and lists them. Pass a .z4l file to list that one instead.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
build=build/run
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZM47_TESTS=OFF -DZM47_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target zm47-cli
cli="$build/cli/zm47-cli"
file="${1:-}"
if [ -z "$file" ]; then
  file="$build/unit-backup.z4l"
  "$cli" read "$file" --area all --simulator
fi
exec "$cli" show "$file"
