# Runs one console script and compares its output with the expected file.
# A script whose expected output holds an "error" line must end with status 2, others with 0.
execute_process(COMMAND ${DRIVE} ${SCRIPT}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${WORKDIR}/last-actual.out "${actual}")
  message(FATAL_ERROR "output differs from ${EXPECTED}\n--- expected\n${expected}--- actual\n${actual}--- stderr\n${errors}")
endif()
set(wanted 0)
string(REGEX MATCH "(^|\n)error " has_error "${expected}")
if(has_error)
  set(wanted 2)
endif()
if(NOT status EQUAL wanted)
  message(FATAL_ERROR "exit status ${status}, expected ${wanted}\n${errors}")
endif()
