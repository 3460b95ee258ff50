# Runs the same input through a tool window (quorkit-drive) and through quorkit-cli: the
# window's last output line is the result field (a JSON string) or a message box, and the
# command line must give that text on standard output as a script gets it (status 0) or
# that message on standard error in one line (status 1).
#   SCRIPT   the console script, lines separated by "|"
#   ARGS     the command-line arguments, separated by "|"
#   FILES    instead: two files, the window's and the command line's, that must be equal
# "@WORK@" in SCRIPT and ARGS stands for the run's folder.
set(work ${WORKDIR}/${NAME})
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
string(REPLACE "@WORK@" "${work}" SCRIPT "${SCRIPT}")
string(REPLACE "@WORK@" "${work}" ARGS "${ARGS}")
string(REPLACE "|" "\n" script "${SCRIPT}")
file(WRITE ${work}.drive "${script}\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${work}.data QT_QPA_PLATFORM=offscreen
                        ${DRIVE} --banner-server 127.0.0.1:1 ${work}.drive
  OUTPUT_VARIABLE window
  ERROR_VARIABLE window_errors
  RESULT_VARIABLE window_status)
if(NOT window_status EQUAL 0)
  message(FATAL_ERROR "the console script failed (${window_status})\n${window}${window_errors}")
endif()

string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${CLI} ${args}
  WORKING_DIRECTORY ${work}
  OUTPUT_FILE ${work}.stdout
  ERROR_FILE ${work}.stderr
  RESULT_VARIABLE status)
# Compared as hex: output variables and file(READ) would drop the carriage returns.
file(READ ${work}.stdout out)
file(READ ${work}.stderr err)
file(READ ${work}.stdout out_hex HEX)
file(READ ${work}.stderr err_hex HEX)
set(report "--- window\n${window}--- stdout\n${out}--- stderr\n${err}---")

if(FILES)
  string(REPLACE "|" ";" files "${FILES}")
  list(GET files 0 window_file)
  list(GET files 1 cli_file)
  if(NOT status EQUAL 0 OR NOT out_hex STREQUAL "" OR NOT err_hex STREQUAL "")
    message(FATAL_ERROR "exit status ${status}\n${report}")
  endif()
  file(SHA256 ${work}/${window_file} window_hash)
  file(SHA256 ${work}/${cli_file} cli_hash)
  if(NOT window_hash STREQUAL cli_hash)
    message(FATAL_ERROR "${cli_file} differs from the window's ${window_file}")
  endif()
  return()
endif()

string(REGEX REPLACE "\n$" "" window "${window}")
string(REGEX REPLACE "^.*\n" "" last "${window}")
list(GET args 0 command)
if(last MATCHES "^message (.*)$")
  # One line: "quorkit-cli: COMMAND: " and the message's lines joined by "; ".
  string(JSON text GET "${CMAKE_MATCH_1}" text)
  string(REGEX REPLACE "[ \t]*\r?\n[ \t\r\n]*" "; " text "${text}")
  string(REGEX REPLACE "(; )+$" "" text "${text}")
  set(wanted_status 1)
  set(wanted_out "")
  set(wanted_err "quorkit-cli: ${command}: ${text}\n")
else()
  # As a script gets it: line feeds only, no blanks at line ends, no "-算法N" marker.
  string(JSON text GET "[${last}]" 0)
  string(REPLACE "\r" "" text "${text}")
  string(REGEX REPLACE "-算法[0-9]+$" "" text "${text}")
  string(REGEX REPLACE "[ \t]+\n" "\n" text "${text}")
  string(REGEX REPLACE "[ \t\n]+$" "" text "${text}")
  set(wanted_status 0)
  set(wanted_out "${text}\n")
  set(wanted_err "")
endif()
string(HEX "${wanted_out}" wanted_out_hex)
string(HEX "${wanted_err}" wanted_err_hex)
if(NOT status EQUAL wanted_status OR NOT out_hex STREQUAL wanted_out_hex OR
   NOT err_hex STREQUAL wanted_err_hex)
  message(FATAL_ERROR "the command line disagrees with the window (status ${status}, wanted ${wanted_status})\n${report}")
endif()
