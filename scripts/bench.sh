#!/usr/bin/env bash
# Builds an optimised tree without sanitizers and runs every benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZM47_TESTS=OFF
cmake --build "$build" -j2
for b in "$build"/bench/*/bench_*; do
  [ -x "$b" ] || continue
  echo "== $b"
  "$b" "$@"
done
