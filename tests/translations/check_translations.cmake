# Refreshes a copy of translations/zm47_ja.ts from the sources, as
# scripts/update-translations.sh does, and fails on:
# - an entry the refresh marks unfinished: a text added or changed in the
#   code without its Japanese, or one left unfinished in the file;
# - a finished entry whose Japanese is its English text, unless that text is
#   a name the windows show in English in both languages.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(copy ${WORK_DIR}/zm47_ja.ts)
file(COPY_FILE ${SOURCE_DIR}/translations/zm47_ja.ts ${copy})
execute_process(
  COMMAND ${LUPDATE} -I . -no-obsolete -locations none -source-language en -target-language ja
          app views engine toolkit platform translations -ts ${copy}
  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${rc}):\n${out}")
endif()

file(READ ${copy} ts)
# A ";" would split CMake's lists: mnemonics' "&amp;" become "&", any other
# ";" a ",".
string(REPLACE "&amp;" "&" ts "${ts}")
string(REPLACE ";" "," ts "${ts}")
# One entry per match: the source text and the translation element.
string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation[^>]*>[^<]*</translation>" entries "${ts}")
set(problems "")
# Names, not words: the program, the unit, the simulated unit and the
# language setting's own value.
set(names "ZM-47 Librarian" "&MIDI" "English")
foreach(entry IN LISTS entries)
  string(REGEX REPLACE "^<source>([^<]*)</source>.*$" "\\1" source "${entry}")
  string(REGEX REPLACE "^.*<translation[^>]*>([^<]*)</translation>$" "\\1" japanese "${entry}")
  if(entry MATCHES "type=\"unfinished\"")
    string(APPEND problems "  unfinished: \"${source}\"\n")
  elseif(japanese STREQUAL source AND NOT source IN_LIST names AND source MATCHES "[a-z][a-z][a-z]")
    string(APPEND problems "  left in English: \"${source}\"\n")
  endif()
endforeach()
list(LENGTH entries count)
if(count LESS 100)
  message(FATAL_ERROR "only ${count} entries read from the refreshed translation: the check itself is broken")
endif()
if(problems)
  message(FATAL_ERROR "translations/zm47_ja.ts is not complete; run scripts/update-translations.sh and translate:\n${problems}")
endif()
message(STATUS "${count} Japanese entries, all finished")
