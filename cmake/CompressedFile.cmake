# sunmoon_add_compressed_file(<target> <source> <output>)
#
# Adds <target>, built with every build, which compresses <source> into <output> as Debian
# keeps manual pages and changelogs: gzip at its highest level, without the file's name and
# time in the header, so that the same text always gives the same bytes.
find_program(SUNMOON_GZIP gzip REQUIRED)

function(sunmoon_add_compressed_file target source output)
    add_custom_command(OUTPUT ${output}
                       COMMAND ${SUNMOON_GZIP} -9 -n -c ${source} > ${output}
                       DEPENDS ${source}
                       COMMENT "Compressing ${source}"
                       VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${output})
endfunction()
