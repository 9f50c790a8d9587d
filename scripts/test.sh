#!/usr/bin/env bash
# Installs what the build needs (Debian packages), configures a build with
# AddressSanitizer and UndefinedBehaviorSanitizer and warnings as errors,
# builds it and runs every test with CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

build=build/test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DZM47_SANITIZE=ON -DZM47_WERROR=ON
cmake --build "$build" -j2
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j2
