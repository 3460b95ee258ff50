# cmake -DBUILD=... -DPREFIX=... -DAPP_ID=... -DEXPECTED=... -DCLI_EXPECTED=... -DWITH_CLI=0|1
#       -DDESKTOP_FILE_VALIDATE=... -DAPPSTREAMCLI=... -P check_install.cmake
foreach(tool DESKTOP_FILE_VALIDATE APPSTREAMCLI)
  if(NOT ${tool} OR NOT EXISTS "${${tool}}")
    message(FATAL_ERROR "${tool} is missing; scripts/install-deps.sh installs it")
  endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${output}")
endif()

# Exactly the expected files, nothing more.
file(STRINGS "${EXPECTED}" expected)
if(WITH_CLI)
  file(STRINGS "${CLI_EXPECTED}" cli_expected)
  list(APPEND expected ${cli_expected})
endif()
list(SORT expected)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${installed})
  set(extra ${installed})
  list(REMOVE_ITEM extra ${expected})
  string(REPLACE ";" "\n  " missing "${missing}")
  string(REPLACE ";" "\n  " extra "${extra}")
  message(FATAL_ERROR "installed tree differs\nmissing:\n  ${missing}\nunexpected:\n  ${extra}")
endif()

foreach(program bin/quorkit bin/quorkit-drive bin/quorkit-cli)
  if(EXISTS "${PREFIX}/${program}" AND NOT IS_DIRECTORY "${PREFIX}/${program}")
    execute_process(COMMAND test -x "${PREFIX}/${program}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${program} is not executable")
    endif()
  endif()
endforeach()

# Every icon holds a picture of the size its folder names (PNG header: width and height,
# big-endian, at byte 16).
file(GLOB icons RELATIVE "${PREFIX}" "${PREFIX}/share/icons/hicolor/*/apps/${APP_ID}.png")
foreach(icon IN LISTS icons)
  string(REGEX MATCH "/([0-9]+)x([0-9]+)/" folder "${icon}")
  math(EXPR expected_hex "${CMAKE_MATCH_1}" OUTPUT_FORMAT HEXADECIMAL)
  file(READ "${PREFIX}/${icon}" signature LIMIT 8 HEX)
  file(READ "${PREFIX}/${icon}" header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${header}" 0 8 width)
  string(SUBSTRING "${header}" 8 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL CMAKE_MATCH_1
     OR NOT height EQUAL CMAKE_MATCH_2)
    message(FATAL_ERROR "${icon}: not a ${CMAKE_MATCH_1}x${CMAKE_MATCH_2} PNG (${width}x${height})")
  endif()
endforeach()

# The validators must pass without a single remark, hints included.
function(validate)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status
    OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0 OR output MATCHES "(^|\n)[EWIP]: |error|warning|hint")
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "${command} (${status}):\n${output}")
  endif()
endfunction()
validate("${DESKTOP_FILE_VALIDATE}" "${PREFIX}/share/applications/${APP_ID}.desktop")
validate("${APPSTREAMCLI}" validate --no-net --pedantic --strict
  "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml")
# The tree as a whole: the metainfo's launchable and icon must be found beside it.
validate("${APPSTREAMCLI}" validate-tree --no-net --pedantic --strict "${PREFIX}")
