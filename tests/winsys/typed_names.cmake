# Bindings cannot name a control by number, by another window's name or by a name their
# template lacks: each probe of typed_names_probe.cpp past the first must fail to compile.
foreach(probe 0 1 2 3 4 5)
  execute_process(
    COMMAND ${CXX} -std=c++20 -fsyntax-only -DPROBE=${probe} -I${SOURCE_DIR} -I${GENERATED_DIR}
            ${SOURCE_DIR}/tests/winsys/typed_names_probe.cpp
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
  if(probe EQUAL 0 AND NOT result EQUAL 0)
    message(FATAL_ERROR "the well-named probe does not compile:\n${errors}")
  elseif(NOT probe EQUAL 0 AND result EQUAL 0)
    message(FATAL_ERROR "probe ${probe} compiles")
  endif()
endforeach()
