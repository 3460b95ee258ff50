# The plain layers (base, the tool cores, the version record, the banner's core) build and run
# without a window system. They link no Qt, so a Qt header does not even compile there; this
# check adds what the compiler cannot see, since every layer shares the include root:
# before such a layer compiles, its sources and every header they include from the tree are
# read, and the build fails on
#   - an include of a Qt header (<Q...>), or of <curl/...> outside the banner's core;
#   - a quoted include outside the folders the layer may use (ALLOW: path prefixes);
#   - a header of the window side (winsys, the glyph canvas, the tool windows, the banner's
#     windows, the application, the console), wherever it lives.

# The layers whose headers a plain layer never includes.
set(QUORKIT_WINDOW_LAYERS quorkit_canvas quorkit_glyph_canvas quorkit_winsys quorkit_banner
  quorkit_tools quorkit_app quorkit_console)

# Absolute paths of the C++ sources of `target`.
function(quorkit_layer_sources target out)
  get_target_property(sources ${target} SOURCES)
  get_target_property(dir ${target} SOURCE_DIR)
  set(paths)
  foreach(source IN LISTS sources)
    if(source MATCHES "\\.(cpp|h)$" AND NOT source MATCHES "^\\$<")
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${dir} NORMALIZE OUTPUT_VARIABLE path)
      list(APPEND paths ${path})
    endif()
  endforeach()
  set(${out} ${paths} PARENT_SCOPE)
endfunction()

# quorkit_check_plain_layer(TARGET ALLOW prefix... [NETWORK]): run once at the end of the top
# CMakeLists.txt, when every target has its sources. NETWORK allows <curl/...>.
function(quorkit_check_plain_layer target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "NETWORK" "" "ALLOW")
  # Nothing here for moc to read.
  set_target_properties(${target} PROPERTIES AUTOMOC OFF)
  quorkit_layer_sources(${target} sources)
  set(deny)
  foreach(layer IN LISTS QUORKIT_WINDOW_LAYERS)
    quorkit_layer_sources(${layer} window_sources)
    foreach(source IN LISTS window_sources)
      string(REGEX REPLACE "\\.cpp$" ".h" header ${source})
      if(EXISTS ${header})
        cmake_path(RELATIVE_PATH header BASE_DIRECTORY ${PROJECT_SOURCE_DIR})
        list(APPEND deny ${header})
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES deny)
  set(dir ${CMAKE_BINARY_DIR}/layers)
  file(CONFIGURE OUTPUT ${dir}/${target}.cmake CONTENT
"set(LAYER ${target})
set(ROOT \"${PROJECT_SOURCE_DIR}\")
set(SOURCES \"${sources}\")
set(ALLOW \"${arg_ALLOW}\")
set(DENY \"${deny}\")
set(NETWORK ${arg_NETWORK})
")
  add_custom_command(OUTPUT ${dir}/${target}.stamp
    COMMAND ${CMAKE_COMMAND} -DCONFIG=${dir}/${target}.cmake -DSTAMP=${dir}/${target}.stamp
            -DDEPFILE=${dir}/${target}.d -P ${PROJECT_SOURCE_DIR}/cmake/check_layer.cmake
    DEPENDS ${sources} ${dir}/${target}.cmake ${PROJECT_SOURCE_DIR}/cmake/check_layer.cmake
    DEPFILE ${dir}/${target}.d
    COMMENT "Checking the includes of ${target} (plain C++, no window system)"
    VERBATIM)
  add_custom_target(${target}_layer_check DEPENDS ${dir}/${target}.stamp)
  add_dependencies(${target} ${target}_layer_check)
endfunction()
