#!/usr/bin/env bash
# Installs what the build needs (Debian packages), checks the layout of the
# C++ sources against .clang-format (where clang-format 14 is), configures a build with
# AddressSanitizer and UndefinedBehaviorSanitizer and warnings as errors,
# builds it and runs every test with CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
# The layout is checked with clang-format 14, which Debian 13 lacks.
if command -v clang-format-14 >/dev/null; then
  ./scripts/check-format.sh
else
  echo "test.sh: clang-format-14 not available; the layout check is left out"
fi

build=build/test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DZM47_SANITIZE=ON -DZM47_WERROR=ON
cmake --build "$build" -j2
export QT_QPA_PLATFORM=offscreen
# The tests on a real MIDI system (a private JACK 2 or PipeWire server per
# test, without real-time scheduling) run after the others and may run a
# second time: on a build server one has hung once in a few full runs, with
# no cause found in this program. A failed first run still prints its
# output (past 100 s a report of where each thread and program waits), and
# a test that fails twice fails the run.
on_servers='^(jack|pipewire)\.'
status=0
ctest --test-dir "$build" --output-on-failure -j2 -E "$on_servers" || status=$?
ctest --test-dir "$build" --output-on-failure --repeat until-pass:2 -R "$on_servers" || status=$?
exit "$status"
