#!/usr/bin/env bash
# Refreshes translations/zm47_ja.ts from every tr() string of the Qt code.
# New strings come in unfinished; translate them (a text editor or Qt
# Linguist), then build: the translation is compiled into the program.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -I . -no-obsolete -locations none -source-language en -target-language ja \
  app views engine toolkit platform translations -ts translations/zm47_ja.ts
