# Runs the executable: bad arguments, a bad script, and one script twice with byte-equal captures.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run expect_code)
  execute_process(COMMAND ${EXE} ${ARGN} WORKING_DIRECTORY ${WORK} RESULT_VARIABLE code
                  OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
  if(expect_code STREQUAL "nonzero")
    if(code EQUAL 0)
      message(FATAL_ERROR "${ARGN}: expected a failure, got 0\n${err}")
    endif()
  elseif(NOT code STREQUAL expect_code)
    message(FATAL_ERROR "${ARGN}: exit ${code}, expected ${expect_code}\n${out}\n${err}")
  endif()
  set(last_err "${err}" PARENT_SCOPE)
endfunction()

run(2 --bogus)
run(2 --headless --frames)
run(2 --headless --frames -3)
run(2 --script s.txt)
run(2 --windowed)
run(0 --help)

file(WRITE ${WORK}/bad.txt "0 keydown 13\n5 keydwn 27\n")
run(nonzero --headless --script bad.txt)
if(NOT last_err MATCHES "bad.txt:2: unknown command")
  message(FATAL_ERROR "bad script message: ${last_err}")
endif()

foreach(n 1 2)
  file(WRITE ${WORK}/run${n}.txt
    "# the title screen for a while, a key press, then a capture\n"
    "0 mousemove 100 100\n"
    "20 keydown 40\n"
    "21 keyup 40\n"
    "40 capture run${n}.png\n"
    "40 state run${n}.json\n")
  run(0 --headless --script run${n}.txt --frames 41)
endforeach()
foreach(f run1.png run1.json)
  if(NOT EXISTS ${WORK}/${f})
    message(FATAL_ERROR "${f} was not written")
  endif()
endforeach()
file(SHA256 ${WORK}/run1.png a)
file(SHA256 ${WORK}/run2.png b)
if(NOT a STREQUAL b)
  message(FATAL_ERROR "the same script gave different frames")
endif()
file(SHA256 ${WORK}/run1.json a)
file(SHA256 ${WORK}/run2.json b)
if(NOT a STREQUAL b)
  message(FATAL_ERROR "the same script gave different state")
endif()
