# zm47-cli given pipes, devices, links and files that hold the wrong data:
# nothing is replaced that is not the command's own output, nothing waits
# forever, and every failure says what happened.
cmake_policy(SET CMP0054 NEW)

include(${CMAKE_CURRENT_LIST_DIR}/cli_run.cmake)

function(expect_content file wanted what)
  file(READ ${file} content)
  if(NOT content STREQUAL wanted)
    message(FATAL_ERROR "${what}: ${file} was changed")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(mine ${WORK}/mine.z4l)
run(new ${mine} --count 60)
expect_rc(0 "new")
file(READ ${mine} mine_bytes HEX)

# An output that is the input, directly or through a link, is refused
# before anything is written.
file(CREATE_LINK ${mine} ${WORK}/link.z4l SYMBOLIC)
foreach(args "export-syx;${mine};${mine}" "export-smf;${mine};${WORK}/link.z4l"
             "import-syx;${mine};${mine}" "import-smf;${WORK}/link.z4l;${mine}"
             "write;${mine};--area;1;--backup;${WORK}/link.z4l;--simulator"
             "write;${mine};--area;1;--simulator;--sim-memory;${mine}")
  run(${args})
  expect_rc(1 "${args}")
  if(NOT err MATCHES "is the same file as the one read from,\n.*\nNothing was written.\n$")
    message(FATAL_ERROR "${args}: no reason given: '${err}'")
  endif()
  file(READ ${mine} now HEX)
  if(NOT now STREQUAL mine_bytes)
    message(FATAL_ERROR "${args} replaced its input")
  endif()
endforeach()

# Every import says what it took and what it skipped.
set(syx ${WORK}/memory.syx)
run(export-syx ${mine} ${syx} --area 1)
expect_rc(0 "export-syx")
execute_process(COMMAND sh -c "printf '\\360\\176\\020\\006\\001\\367' >> '${syx}'")
run(import-syx ${syx} ${WORK}/back.z4l)
expect_rc(0 "import-syx")
if(NOT out STREQUAL "60 patches imported (MEMORY 1–60); 1 data set skipped\n")
  message(FATAL_ERROR "import-syx summary: '${out}'")
endif()

# A file with data sets for another area only holds nothing for this one:
# refused like a file with none, and the existing file stays.
set(bank ${WORK}/bank.syx)
set(existing ${WORK}/existing.z4l)
run(export-syx ${mine} ${bank} --area 2)
run(export-smf ${mine} ${WORK}/bank.mid --area 2)
file(WRITE ${existing} "the user's own library")
foreach(kind syx smf)
  if(kind STREQUAL "syx")
    run(import-syx ${bank} ${existing} --area 1)
  else()
    run(import-smf ${WORK}/bank.mid ${existing} --area 1)
  endif()
  expect_rc(1 "import-${kind} of another area's file")
  if(NOT err STREQUAL "The file holds no data for the ZM-47. Nothing was changed.\n")
    message(FATAL_ERROR "import-${kind}: '${err}'")
  endif()
  expect_content(${existing} "the user's own library" "import-${kind} of another area's file")
endforeach()
run(import-smf ${WORK}/bank.mid ${WORK}/bank.z4l --area 2)
if(NOT out STREQUAL "10 patches imported (SOUND LIBRARY: CLEAN 1–10)\n")
  message(FATAL_ERROR "import-smf summary: '${out}'")
endif()

# A pipe as the output stays a pipe; as the input it is refused at once,
# with or without a writer.
set(fifo ${WORK}/fifo)
execute_process(COMMAND mkfifo ${fifo} RESULT_VARIABLE made)
if(NOT made EQUAL 0)
  message(FATAL_ERROR "mkfifo failed")
endif()
foreach(args "export-syx;${mine};${fifo}" "export-smf;${mine};${fifo}" "import-syx;${syx};${fifo}" "new;${fifo}")
  run(${args})
  expect_rc(1 "${args}")
  if(NOT err MATCHES "fifo\nis not a file \\(it is a folder, a device or a pipe\\). Nothing was saved; it was left as it was.\n$")
    message(FATAL_ERROR "${args}: '${err}'")
  endif()
  if(NOT IS_DIRECTORY ${WORK} OR IS_SYMLINK ${fifo})
    message(FATAL_ERROR "${args}")
  endif()
  execute_process(COMMAND test -p ${fifo} RESULT_VARIABLE still_fifo)
  if(NOT still_fifo EQUAL 0)
    message(FATAL_ERROR "${args} replaced the pipe")
  endif()
endforeach()
foreach(args "import-syx;${fifo};${WORK}/x.z4l" "import-smf;${fifo};${WORK}/x.z4l" "show;${fifo}"
             "import-syx;/dev/zero;${WORK}/x.z4l" "export-syx;/dev/zero;${WORK}/x.syx")
  run(${args})
  expect_rc(1 "${args}")
  if(NOT err MATCHES "\nis not a file \\(it is a folder, a device or a pipe\\). Nothing was read from it.\n$")
    message(FATAL_ERROR "${args}: '${err}'")
  endif()
endforeach()

# Endless input stops at a limit far above any real file.
execute_process(COMMAND truncate -s 65M ${WORK}/huge.syx)
run(import-syx ${WORK}/huge.syx ${WORK}/x.z4l)
expect_rc(1 "import-syx of a 65 MB file")
if(NOT err MATCHES "huge.syx\nis far larger than any file of this kind. It was not read.\n$")
  message(FATAL_ERROR "huge input: '${err}'")
endif()
if(EXISTS ${WORK}/x.z4l OR EXISTS ${WORK}/x.syx)
  message(FATAL_ERROR "a refused input left an output behind")
endif()

# A Read All that stops in MEMORY names MEMORY alone, and the areas after
# it as not read; the unit's message names the manual's file, not a menu.
run(read ${WORK}/all.z4l --area all --simulator --sim-silent-from 14)
expect_rc(1 "read --area all of a unit that falls silent")
if(NOT err MATCHES "Unable to read/write data.\nSee \"6. If the display indicates 'Unable to read/write data.'\" in the manual:\n[^\n]*/Manual/ZM-47LibrarianManualE.pdf\n")
  message(FATAL_ERROR "message 2 in the CLI: '${err}'")
endif()
if(err MATCHES "Help - ")
  message(FATAL_ERROR "the CLI sends the user to a menu: '${err}'")
endif()
if(NOT err MATCHES "zm47-cli: Could not read MEMORY; SOUND LIBRARY: CLEAN, [^;]*SOUND LIBRARY: EXTREME were not read. No file was written.\n$")
  message(FATAL_ERROR "read --area all: '${err}'")
endif()
if(EXISTS ${WORK}/all.z4l)
  message(FATAL_ERROR "a failed read wrote a file")
endif()

# A 60-patch file as the simulated unit's memory: what is wanted, in words.
run(identify --simulator --sim-memory ${mine})
expect_rc(1 "a 60-patch memory file")
if(NOT err MATCHES "mine.z4l\nholds 60 patches. The simulated unit keeps its memory in a librarian file of all the unit's 120 patches")
  message(FATAL_ERROR "--sim-memory of 60 patches: '${err}'")
endif()
