# What the zm47-cli test scripts share: run a command and keep what it said.
#   run(ARGS...)     runs ${CLI} ARGS; sets out, err and rc in the caller.
#                    It waits at most 30 s, so that a command that blocks
#                    (on a pipe, say) fails its test instead of hanging it.
#   expect_ok(WHAT)  fails the script with WHAT, the status and both outputs
#                    unless the last run exited 0.
function(run)
  execute_process(COMMAND ${CLI} ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc TIMEOUT 30)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
  set(rc "${rc}" PARENT_SCOPE)
endfunction()

function(expect_ok what)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what}: rc ${rc}, stdout '${out}', stderr '${err}'")
  endif()
endfunction()
