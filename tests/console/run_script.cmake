# Runs one console script and compares its output with the expected file.
# A script whose expected output holds an "error" line must end with status 2, others with 0.
#
# A script with a NAME.files beside it works with files: it runs in a fresh folder
# WORKDIR/NAME.run holding `src` (a link to the script's folder, for input files) and an
# empty `out`; afterwards every file below `out` is listed as "PATH SIZE SHA256", sorted, and
# the listing must equal NAME.files (lines starting with # are comments).
string(REGEX REPLACE "\\.drive$" ".files" expected_files ${SCRIPT})
set(rundir ${WORKDIR})
if(EXISTS ${expected_files})
  get_filename_component(script_dir ${SCRIPT} DIRECTORY)
  get_filename_component(script_name ${SCRIPT} NAME_WE)
  get_filename_component(group ${script_dir} NAME)
  set(rundir ${WORKDIR}/${group}.${script_name}.run)
  file(REMOVE_RECURSE ${rundir})
  file(MAKE_DIRECTORY ${rundir}/out)
  file(CREATE_LINK ${script_dir} ${rundir}/src SYMBOLIC)
endif()

execute_process(COMMAND ${DRIVE} ${SCRIPT}
  WORKING_DIRECTORY ${rundir}
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

if(EXISTS ${expected_files})
  file(GLOB_RECURSE written LIST_DIRECTORIES false RELATIVE ${rundir} ${rundir}/out/*)
  list(SORT written)
  set(listing "")
  foreach(path IN LISTS written)
    file(SIZE ${rundir}/${path} size)
    file(SHA256 ${rundir}/${path} hash)
    string(APPEND listing "${path} ${size} ${hash}\n")
  endforeach()
  file(STRINGS ${expected_files} lines)
  set(wanted_listing "")
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "^#" AND NOT line STREQUAL "")
      string(APPEND wanted_listing "${line}\n")
    endif()
  endforeach()
  if(NOT listing STREQUAL wanted_listing)
    message(FATAL_ERROR "files written differ from ${expected_files}\n--- expected\n${wanted_listing}--- actual\n${listing}")
  endif()
endif()
