# QUORKIT_STRICT_WARNINGS: our own sources compile with stricter warnings, each one an error.
# Generated code (moc, resources) keeps the default warnings, and the headers of Qt,
# GoogleTest and Google Benchmark come in as system headers, so only our code is held to it.
# On by default, so that `make test`, `make sanitize` and CI fail on a new warning; turn it off
# only to try a compiler whose warnings the tree has not met yet.
option(QUORKIT_STRICT_WARNINGS "Compile our own sources with -Wshadow -Wconversion -Wsign-conversion and -Werror" ON)
set(QUORKIT_STRICT_WARNING_FLAGS -Wall -Wextra -Wshadow -Wconversion -Wsign-conversion -Werror)
# GCC 12 at -O3 (the Release build of `make bench`) reports overlapping copies inside
# libstdc++ for plain `"[" + text` string joins (GCC bug 105651); it stays a warning there.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  list(APPEND QUORKIT_STRICT_WARNING_FLAGS -Wno-error=restrict)
endif()

function(quorkit_targets_below dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    quorkit_targets_below(${subdir} below)
    list(APPEND targets ${below})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Run once at the end of the top CMakeLists.txt, when every target has its sources. The flags
# go on each source file rather than on the target, since automoc and the resource compiler
# add their generated files to the same targets.
function(quorkit_apply_strict_warnings)
  if(NOT QUORKIT_STRICT_WARNINGS)
    return()
  endif()
  quorkit_targets_below(${CMAKE_SOURCE_DIR} targets)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|OBJECT_LIBRARY)$")
      continue()
    endif()
    get_target_property(sources ${target} SOURCES)
    get_target_property(target_dir ${target} SOURCE_DIR)
    foreach(source IN LISTS sources)
      if(source MATCHES "^\\$<" OR NOT source MATCHES "\\.(c|cc|cpp|cxx)$")
        continue()
      endif()
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${target_dir} NORMALIZE OUTPUT_VARIABLE path)
      cmake_path(IS_PREFIX CMAKE_BINARY_DIR ${path} NORMALIZE generated)
      cmake_path(IS_PREFIX CMAKE_SOURCE_DIR ${path} NORMALIZE ours)
      if(ours AND NOT generated)
        set_property(SOURCE ${path} TARGET_DIRECTORY ${target} APPEND
                     PROPERTY COMPILE_OPTIONS ${QUORKIT_STRICT_WARNING_FLAGS})
      endif()
    endforeach()
  endforeach()
endfunction()
