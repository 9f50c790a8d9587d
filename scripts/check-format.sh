#!/usr/bin/env bash
# Checks the layout of every tracked C++ file against .clang-format with
# clang-format 14 (package clang-format-14, which the build does not need).
# Changes nothing: prints what it would change and exits 1 when anything.
# To apply the layout to the whole tree:
#   git ls-files '*.cpp' '*.h' | xargs clang-format-14 -i
set -euo pipefail
cd "$(dirname "$0")/.."
format=$(command -v clang-format-14 || true)
if [ -z "$format" ]; then
  echo "check-format.sh: clang-format-14 is not installed (apt-get install clang-format-14)" >&2
  exit 2
fi
# The tracked files in a git checkout; in a copy without git (a fresh system
# given the files) every C++ file outside the build trees.
sources() {
  if command -v git >/dev/null && git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z '*.cpp' '*.h'
  else
    find . \( -path ./build -o -path './build-*' -o -path './.*' \) -prune -o \
      -type f \( -name '*.cpp' -o -name '*.h' \) -print0
  fi
}
if sources | xargs -0 "$format" --dry-run -Werror --style=file; then
  echo "check-format.sh: every file is laid out as .clang-format says"
else
  echo "check-format.sh: the files above differ from .clang-format" >&2
  exit 1
fi
