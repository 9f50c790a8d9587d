#!/usr/bin/env bash
# Completes command lines with the generated bash completion of zm47-cli, as
# bash does on Tab, and checks the words offered.
#   completion_test.sh COMPLETION-SCRIPT WORK-FOLDER
set -u
script=$1
work=$2
rm -rf "$work"
mkdir -p "$work/folder"
cd "$work" || exit 1
touch mine.z4l LOUD.Z4L song.mid dump.syx notes.txt
# shellcheck source=/dev/null
. "$script" || exit 1

failures=0
# expect "LINE" "WORDS": the words offered for the last word of LINE (a line
# ending in a space completes a new, empty word), sorted, space-separated.
expect() {
  local line=$1 want=$2
  read -r -a COMP_WORDS <<<"$line"
  [[ $line == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _zm47_cli
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | tr '\n' ' ' | sed 's/ $//')
  if [[ $got != "$want" ]]; then
    echo "FAIL: '$line' offered '$got', expected '$want'"
    failures=$((failures + 1))
  fi
}

# includes "LINE" "WORDS": the words offered include WORDS (the tool's help
# may name more options than this test knows of).
includes() {
  local line=$1 word
  read -r -a COMP_WORDS <<<"$line"
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _zm47_cli
  for word in $2; do
    if ! printf '%s\n' "${COMPREPLY[@]}" | grep -qx -- "$word"; then
      echo "FAIL: '$line' did not offer '$word' (offered: ${COMPREPLY[*]})"
      failures=$((failures + 1))
    fi
  done
}

expect "zm47-cli re" "read restore"
expect "zm47-cli hist" "history"
expect "zm47-cli history --" "--area --lang --limit --show"
expect "zm47-cli --v" "--version"
expect "zm47-cli read x.z4l --area " "1 2 3 4 5 6 7 all"
expect "zm47-cli write x.z4l --area " "1 2 3 4 5 6 7"
expect "zm47-cli export-smf x.z4l y.mid --area 3" "3"
expect "zm47-cli show x.z4l --lang " "en ja"
expect "zm47-cli sim --api " "alsa jack"
includes "zm47-cli read --sim" "--sim-corrupt-store --sim-memory --simulator"
expect "zm47-cli sim --sim" "--sim-memory"
expect "zm47-cli read x.z4l --in " ""
# File arguments by their place, skipping options and their values.
expect "zm47-cli show " "LOUD.Z4L folder mine.z4l"
expect "zm47-cli export-smf " "LOUD.Z4L folder mine.z4l"
expect "zm47-cli export-smf mine.z4l " "folder song.mid"
expect "zm47-cli export-smf --area 2 mine.z4l " "folder song.mid"
expect "zm47-cli import-syx " "dump.syx folder"
expect "zm47-cli write mine.z4l --area 1 --backup " "LOUD.Z4L folder mine.z4l"
expect "zm47-cli read --area = 2 " "LOUD.Z4L folder mine.z4l"
expect "zm47-cli read --simulator --sim-memory m" "mine.z4l"

if ((failures > 0)); then
  echo "$failures completion(s) wrong"
  exit 1
fi
echo "all completions as expected"
