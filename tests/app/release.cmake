cmake_minimum_required(VERSION 3.25)
# Everything that names the release agrees with the project version and release date of the
# top CMakeLists.txt: the newest release of the AppStream metainfo, the Debian package's
# version, the About box (version line and the newest line of its history) and
# `quorkit-cli --version`.
set(day "")
string(REPLACE "-" "" day "${DATE}")
set(failures "")
macro(expect what actual wanted)
  if(NOT "${actual}" STREQUAL "${wanted}")
    string(APPEND failures "${what}: \"${actual}\", expected \"${wanted}\"\n")
  endif()
endmacro()

# AppStream lists the newest release first.
file(READ ${METAINFO} metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\" date=\"([^\"]*)\"" release "${metainfo}")
expect("metainfo newest release version" "${CMAKE_MATCH_1}" "${VERSION}")
expect("metainfo newest release date" "${CMAKE_MATCH_2}" "${DATE}")

# The package version as CPack will write it into the control file and the file name.
include(${CPACK_CONFIG})
expect("package version" "${CPACK_PACKAGE_VERSION}" "${VERSION}")
if(DEFINED CPACK_DEBIAN_PACKAGE_VERSION)
  expect("Debian package version" "${CPACK_DEBIAN_PACKAGE_VERSION}" "${VERSION}")
endif()

# The About box, opened as the user does, through the console.
file(WRITE ${WORKDIR}/release.drive "syscommand 16\nget 1014\nget 1015\nclose\nwindow main\ncaption\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${WORKDIR}/data-home
                        ${DRIVE} --banner-server 127.0.0.1:1 ${WORKDIR}/release.drive
  OUTPUT_VARIABLE about
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
expect("quorkit-drive exit status" "${status}" "0")
string(REPLACE "\n" ";" lines "${about}")
list(LENGTH lines count)
if(count LESS 3)
  message(FATAL_ERROR "About box script printed too little:\n${about}${errors}")
endif()
list(GET lines 0 about_line)
list(GET lines 1 history)
list(GET lines 2 caption)
expect("About box version line" "${about_line}" "\"QuorKit V${VERSION}(${day})\"")
string(FIND "${history}" "\"V${VERSION}(${day}):" at)
expect("position of \"V${VERSION}(${day}):\" in the About box history" "${at}" "0")
string(FIND "${caption}" "\"QuorKit V${VERSION} - " at)
expect("position of \"QuorKit V${VERSION} - \" in the main caption" "${at}" "0")

execute_process(COMMAND ${CLI} --version
  OUTPUT_VARIABLE cli_version
  RESULT_VARIABLE status)
expect("quorkit-cli --version exit status" "${status}" "0")
expect("quorkit-cli --version" "${cli_version}" "quorkit-cli ${VERSION}\n")

if(failures)
  message(FATAL_ERROR "the release is named differently in different places:\n${failures}")
endif()
