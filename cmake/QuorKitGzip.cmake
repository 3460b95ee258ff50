# quorkit_gzip(FILE TARGET): FILE.gz beside FILE at build time, compressed as Debian installs
# manual pages and changelogs (gzip -9n: best compression, no name or time stamp, so the same
# text always gives the same bytes).
find_program(GZIP gzip REQUIRED)
function(quorkit_gzip source target)
  add_custom_command(OUTPUT ${source}.gz
    COMMAND ${GZIP} -9nkf ${source}
    DEPENDS ${source}
    COMMENT "Compressing ${source}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${source}.gz)
endfunction()
