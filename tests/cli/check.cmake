# Runs quorkit-cli once in a fresh folder and checks its exit status, standard output and
# standard error exactly.
#   ARGS     the arguments, separated by "|"
#   STATUS   the exit status wanted
#   STDOUT, STDERR   the exact texts wanted (empty when not given)
#   STDOUT_MATCH, STDERR_MATCH   instead: a regular expression the output must match
#   INPUT    text given on standard input (or INPUT_FILE, a file)
#   KEEP     a file made before the run that must come out of it unchanged, with nothing
#            else left in the folder
#   OUT, PEER_HEX   OUT must equal objcopy's gap-filled image of the HEX file PEER_HEX
set(work ${WORKDIR}/${NAME})
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
string(REPLACE "|" ";" args "${ARGS}")
if(KEEP)
  file(WRITE ${work}/${KEEP} "keep\n")
endif()
file(WRITE ${work}.stdin "${INPUT}")
if(INPUT_FILE)
  file(COPY_FILE ${INPUT_FILE} ${work}.stdin)
endif()
execute_process(COMMAND ${CLI} ${args}
  WORKING_DIRECTORY ${work}
  INPUT_FILE ${work}.stdin
  OUTPUT_FILE ${work}.stdout
  ERROR_FILE ${work}.stderr
  RESULT_VARIABLE status)
# Compared as hex: output variables and file(READ) would drop the carriage returns.
file(READ ${work}.stdout out)
file(READ ${work}.stderr err)
file(READ ${work}.stdout out_hex HEX)
file(READ ${work}.stderr err_hex HEX)
string(HEX "${STDOUT}" wanted_out_hex)
string(HEX "${STDERR}" wanted_err_hex)
set(report "--- stdout\n${out}--- stderr\n${err}---")
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, wanted ${STATUS}\n${report}")
endif()
if(STDOUT_MATCH)
  if(NOT out MATCHES "${STDOUT_MATCH}")
    message(FATAL_ERROR "standard output does not match ${STDOUT_MATCH}\n${report}")
  endif()
elseif(NOT out_hex STREQUAL wanted_out_hex)
  message(FATAL_ERROR "standard output differs; wanted\n${STDOUT}---\n${report}")
endif()
if(STDERR_MATCH)
  if(NOT err MATCHES "${STDERR_MATCH}")
    message(FATAL_ERROR "standard error does not match ${STDERR_MATCH}\n${report}")
  endif()
elseif(NOT err_hex STREQUAL wanted_err_hex)
  message(FATAL_ERROR "standard error differs; wanted\n${STDERR}---\n${report}")
endif()
if(KEEP)
  file(READ ${work}/${KEEP} kept)
  file(GLOB left RELATIVE ${work} ${work}/* ${work}/.*)
  if(NOT kept STREQUAL "keep\n" OR NOT left STREQUAL KEEP)
    message(FATAL_ERROR "${KEEP} was changed or files were left: ${left}")
  endif()
endif()
if(PEER_HEX)
  execute_process(COMMAND ${OBJCOPY} -I ihex -O binary --gap-fill 0xFF ${PEER_HEX}
                          ${work}/peer.bin RESULT_VARIABLE peer_status)
  if(NOT peer_status EQUAL 0)
    message(FATAL_ERROR "objcopy failed on ${PEER_HEX}")
  endif()
  file(SHA256 ${work}/peer.bin peer)
  file(SHA256 ${work}/${OUT} ours)
  if(NOT peer STREQUAL ours)
    message(FATAL_ERROR "${OUT} differs from objcopy's image of ${PEER_HEX}")
  endif()
endif()
