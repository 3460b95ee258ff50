# The program started without a display says so in one line and exits with status 1.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        --unset=QT_QPA_PLATFORM ${PROGRAM} ${ARGS}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 30)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "exit status ${status}, expected 1\n${err}")
endif()
string(REGEX MATCHALL "\n" lines "${err}")
list(LENGTH lines count)
if(NOT count EQUAL 1 OR NOT err MATCHES "DISPLAY" OR NOT err MATCHES "quorkit-drive")
  message(FATAL_ERROR "expected one line naming DISPLAY and quorkit-drive, got:\n${err}")
endif()
# With ARGS the line is in the language they choose: English says "no display".
if(ENGLISH AND NOT err MATCHES "^quorkit: no display to open a window on \\(DISPLAY is not set\\)")
  message(FATAL_ERROR "expected the English line, got:\n${err}")
endif()
