# Runs one fuzzer for a fixed number of inputs on a fresh copy of its seed corpus, so that what it
# finds lands in the build folder and never in the source tree.
#   cmake -DFUZZER=... -DSEEDS=... -DWORK=... -DOPTIONS="-runs=...;..." -P run_fuzzer.cmake

foreach(var FUZZER SEEDS WORK OPTIONS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_fuzzer.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
file(COPY ${SEEDS}/ DESTINATION ${WORK}/corpus)

execute_process(
  COMMAND ${FUZZER} ${OPTIONS} -artifact_prefix=${WORK}/artifacts/ ${WORK}/corpus
  WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the input that did it is in ${WORK}/artifacts")
endif()
