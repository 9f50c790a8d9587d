# The history library from zm47-cli against the simulated unit: what reads,
# writes and restores record, history, diff, find, duplicates, library add
# and check, a damaged library, and two programs recording at once.
include(${CMAKE_CURRENT_LIST_DIR}/cli_run.cmake)

function(count_lines text var)
  string(REGEX MATCHALL "\n" lines "${text}")
  list(LENGTH lines n)
  set(${var} ${n} PARENT_SCOPE)
endfunction()

set(dir ${WORK}/cli-history)
file(REMOVE_RECURSE ${dir})
file(MAKE_DIRECTORY ${dir})
set(lib ${dir}/library.sqlite)
set(memory ${dir}/memory.z4l)
set(unit --simulator --sim-memory ${memory} --library ${lib})
set(iso "[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]T[0-9][0-9]:[0-9][0-9]:[0-9][0-9]")

# A read records the area's state; the first one has nothing to compare with.
run(read ${dir}/first.z4l --area 1 ${unit})
expect_ok("first read")
run(history --library ${lib})
expect_ok("history")
if(NOT out MATCHES "^1\t${iso}\tMEMORY\tread\t-\n$")
  message(FATAL_ERROR "one read, one state: '${out}'")
endif()

# A patch changed on the unit behind the librarian's back (--no-library: no
# state recorded), then read again: one patch changed.
run(new ${dir}/init.z4l --count 60)
run(write ${dir}/init.z4l --area 1 --indexes 3 --simulator --sim-memory ${memory} --no-library)
expect_ok("write without the library")
run(history --library ${lib})
count_lines("${out}" n)
if(NOT n EQUAL 1)
  message(FATAL_ERROR "--no-library recorded a state: '${out}'")
endif()
run(read ${dir}/second.z4l --area 1 ${unit})
expect_ok("second read")
run(history --library ${lib} --limit 1)
if(NOT out MATCHES "^2\t${iso}\tMEMORY\tread\t1\n$")
  message(FATAL_ERROR "the second state counts one change: '${out}'")
endif()

# diff names the slot, the two names and what differs; equal sides print nothing.
run(diff 1 2 --library ${lib})
expect_ok("diff 1 2")
if(NOT out MATCHES "^4\t[^\t\n]+\tINIT PATCH\tname\\+sound\n$")
  message(FATAL_ERROR "diff of the two reads: '${out}'")
endif()
run(diff 1 ${dir}/first.z4l --library ${lib})
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "a state and the file it was saved as are equal: rc ${rc}, '${out}'")
endif()
run(diff 1 99 --library ${lib})
if(NOT rc EQUAL 1 OR NOT err MATCHES "no state 99")
  message(FATAL_ERROR "diff with a state that does not exist: rc ${rc}, '${err}'")
endif()

# history --show prints the state's patches as show prints a file.
run(history --show 1 --library ${lib})
set(shown_state "${out}")
run(show ${dir}/first.z4l)
if(NOT shown_state STREQUAL out)
  message(FATAL_ERROR "history --show 1 is not what was read: '${shown_state}'")
endif()

# restore brings the first state back: backup first, verify after, and the
# unit then holds it byte for byte.
run(restore 1 ${unit})
expect_ok("restore 1")
file(GLOB backups ${dir}/backups/*_MEMORY.z4l)
list(LENGTH backups n)
if(NOT n EQUAL 1)
  message(FATAL_ERROR "restore made no backup beside the library: '${backups}'")
endif()
run(history --library ${lib} --limit 2)
if(NOT out MATCHES "^4\t${iso}\tMEMORY\twritten\t1\n3\t${iso}\tMEMORY\tbefore write\t0\n$")
  message(FATAL_ERROR "restore records the backup and what it wrote: '${out}'")
endif()
run(read ${dir}/third.z4l --area 1 --simulator --sim-memory ${memory} --no-library)
file(SHA256 ${dir}/first.z4l first_hash)
file(SHA256 ${dir}/third.z4l third_hash)
if(NOT first_hash STREQUAL third_hash)
  message(FATAL_ERROR "the restored unit does not hold the first state byte for byte")
endif()
# Only some slots, and a slot the state does not cover.
run(restore 2 --indexes 3 ${unit})
expect_ok("restore 2 --indexes 3")
run(read ${dir}/fourth.z4l --area 1 ${unit})
run(diff ${dir}/second.z4l ${dir}/fourth.z4l)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "restore --indexes 3 did not bring slot 4 of state 2 back: '${out}'")
endif()
run(restore 2 --indexes 60 ${unit})
expect_rc(2 "restore of a slot MEMORY does not have")
run(restore 77 ${unit})
if(NOT rc EQUAL 1 OR NOT err MATCHES "no state 77")
  message(FATAL_ERROR "restore of a state that does not exist: rc ${rc}, '${err}'")
endif()

# find: every place, now and in the past, and the files saved.
run(find "init patch" --library ${lib})
expect_ok("find")
if(NOT out MATCHES "INIT PATCH\tMEMORY 4 \\(unit, now\\)\n" OR NOT out MATCHES "INIT PATCH\t${dir}/second.z4l #4\n")
  message(FATAL_ERROR "find INIT PATCH: '${out}'")
endif()
run(find "no such patch name" --library ${lib})
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "find without a match: rc ${rc}, '${out}'")
endif()

# duplicates in a file and across the library.
run(new ${dir}/three.z4l --count 3)
run(duplicates ${dir}/three.z4l)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "1; 2; 3\tINIT PATCH; INIT PATCH; INIT PATCH\n")
  message(FATAL_ERROR "duplicates in a file: rc ${rc}, '${out}'")
endif()
run(duplicates --library ${lib})
expect_ok("duplicates --library FILE")
run(duplicates ${dir}/first.z4l)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "the simulated unit's patches all differ: '${out}'")
endif()

# library add takes files in (a SysEx file as an import would read it);
# library check runs the integrity check.
run(export-syx ${dir}/init.z4l ${dir}/init.syx --area 1)
run(library add ${dir}/three.z4l ${dir}/init.syx --library ${lib})
if(NOT rc EQUAL 0 OR NOT out STREQUAL "${dir}/three.z4l\t3\n${dir}/init.syx\t60\n")
  message(FATAL_ERROR "library add: rc ${rc}, '${out}', '${err}'")
endif()
run(library add ${dir}/missing.z4l --library ${lib})
expect_rc(1 "library add of a missing file")
run(library check --library ${lib})
if(NOT rc EQUAL 0 OR NOT out STREQUAL "ok\n")
  message(FATAL_ERROR "library check: rc ${rc}, '${out}'")
endif()
run(library frobnicate --library ${lib})
expect_rc(2 "library frobnicate is a usage error")

# Two programs recording into the same library at once (execute_process runs
# its commands side by side).
execute_process(COMMAND ${CLI} read ${dir}/a.z4l --area all --simulator --sim-memory ${dir}/a-memory.z4l --library ${lib}
                COMMAND ${CLI} read ${dir}/b.z4l --area all --simulator --sim-memory ${dir}/b-memory.z4l --library ${lib}
                RESULTS_VARIABLE results ERROR_VARIABLE err)
if(NOT results STREQUAL "0;0")
  message(FATAL_ERROR "two reads at once: ${results}, '${err}'")
endif()
run(history --library ${lib} --area 2)
count_lines("${out}" n)
if(NOT n EQUAL 2)
  message(FATAL_ERROR "both programs' states of area 2 are there: '${out}'")
endif()

# forget, only when asked.
run(library forget --before 2000-01-01 --library ${lib})
if(NOT rc EQUAL 0 OR NOT out STREQUAL "0\n")
  message(FATAL_ERROR "forget of nothing: rc ${rc}, '${out}'")
endif()
run(library forget --library ${lib})
expect_rc(2 "forget without --before")

# A damaged library is set aside with a message; the read still works and
# starts a new history.
set(bad ${dir}/bad/library.sqlite)
file(MAKE_DIRECTORY ${dir}/bad)
string(REPEAT "not a library " 500 garbage)
file(WRITE ${bad} "${garbage}")
run(read ${dir}/fifth.z4l --area 2 --simulator --sim-memory ${memory} --library ${bad})
expect_ok("read with a damaged library")
if(NOT err MATCHES "damaged")
  message(FATAL_ERROR "no message about the damaged library: '${err}'")
endif()
file(GLOB aside ${dir}/bad/library.sqlite.set-aside-*)
if(NOT aside)
  message(FATAL_ERROR "the damaged library was not set aside")
endif()
run(history --library ${bad})
if(NOT out MATCHES "^1\t${iso}\tSOUND LIBRARY: CLEAN\tread\t-\n$")
  message(FATAL_ERROR "the new library has the read: '${out}'")
endif()

# A library that cannot be made never stops a transfer.
file(WRITE ${dir}/plain "a file, not a folder")
run(read ${dir}/sixth.z4l --area 2 --simulator --sim-memory ${memory} --library ${dir}/plain/library.sqlite)
if(NOT rc EQUAL 0 OR NOT EXISTS ${dir}/sixth.z4l OR NOT err MATCHES "could not be opened")
  message(FATAL_ERROR "read with a library that cannot be made: rc ${rc}, '${err}'")
endif()

# Usage errors.
foreach(args "history;--show;x" "history;--limit;0" "diff;1" "find" "restore" "duplicates;a.z4l;b.z4l"
             "read;x.z4l;--area;1;--simulator;--library;a;--no-library")
  run(${args})
  expect_rc(2 "'${args}' is a usage error")
endforeach()
