# What the zm47-cli test scripts share: run a command and keep what it said.
#   run(ARGS...)     runs ${CLI} ARGS; sets out, err and rc in the caller.
#                    It waits at most 30 s, so that a command that blocks
#                    (on a pipe, say) fails its test instead of hanging it.
#   expect_ok(WHAT)  fails the script with WHAT, the status and both outputs
#                    unless the last run exited 0.
#   expect_rc(CODE WHAT)  the same unless it exited with CODE.
#   expect_size(FILE BYTES WHAT)  fails the script unless FILE has BYTES.
function(run)
  execute_process(COMMAND ${CLI} ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc TIMEOUT 30)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
  set(rc "${rc}" PARENT_SCOPE)
endfunction()

function(expect_rc code what)
  if(NOT rc EQUAL code)
    message(FATAL_ERROR "${what}: rc ${rc}, stdout '${out}', stderr '${err}'")
  endif()
endfunction()

function(expect_ok what)
  expect_rc(0 "${what}")
endfunction()

function(expect_size file bytes what)
  file(SIZE ${file} size)
  if(NOT size EQUAL bytes)
    message(FATAL_ERROR "${what} is ${bytes} bytes, got ${size}")
  endif()
endfunction()
