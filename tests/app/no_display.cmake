# The program started without a display says so in one line and exits with status 1.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        --unset=QT_QPA_PLATFORM ${PROGRAM}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 30)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "exit status ${status}, expected 1\n${err}")
endif()
string(REGEX MATCHALL "\n" lines "${err}")
list(LENGTH lines count)
if(NOT count EQUAL 1 OR NOT err MATCHES "DISPLAY" OR NOT err MATCHES "quorkit-drive")
  message(FATAL_ERROR "expected one line naming DISPLAY and quorkit-drive, got:\n${err}")
endif()
