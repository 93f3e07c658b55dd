# Packs the existing build into a Debian package in OUTPUT_DIR, as `cpack -G DEB` does, and
# checks what the package holds, what its control fields say, and what lintian finds in it.
# Given: CPACK (the cpack program), BUILD_DIR, OUTPUT_DIR, VERSION (the project's version).
cmake_minimum_required(VERSION 3.25)

# Runs a program and returns its standard output in `out`; stops the check when it fails.
function(run_checked out)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
                    ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed (${result}):\n${output}\n${errors}")
    endif()
    set(${out} "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${OUTPUT_DIR}")
run_checked(ignored "${CPACK}" -G DEB -B "${OUTPUT_DIR}" --config "${BUILD_DIR}/CPackConfig.cmake")
run_checked(architecture dpkg --print-architecture)
string(STRIP "${architecture}" architecture)
set(deb "${OUTPUT_DIR}/sunmoonpos_${VERSION}_${architecture}.deb")
if(NOT EXISTS "${deb}")
    file(GLOB made "${OUTPUT_DIR}/*.deb")
    message(FATAL_ERROR "expected ${deb}, cpack made: ${made}")
endif()

# The files, each with its mode, owned by root, and nothing outside /usr.
run_checked(listing dpkg-deb --contents "${deb}")
string(REPLACE "\n" ";" entries "${listing}")
set(id org.sunmoonpos.SunMoonPos)
set(expected
    "-rwxr-xr-x ./usr/bin/sunmoonpos"
    "-rw-r--r-- ./usr/share/applications/${id}.desktop"
    "-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/${id}.svg"
    "-rw-r--r-- ./usr/share/icons/hicolor/48x48/apps/${id}.png"
    "-rw-r--r-- ./usr/share/icons/hicolor/128x128/apps/${id}.png"
    "-rw-r--r-- ./usr/share/metainfo/${id}.metainfo.xml"
    "-rw-r--r-- ./usr/share/man/man1/sunmoonpos.1.gz"
    "-rw-r--r-- ./usr/share/bash-completion/completions/sunmoonpos"
    "-rw-r--r-- ./usr/${WINDOW_MODULE_DIR}/sunmoonpos-window.so"
    "-rw-r--r-- ./usr/share/doc/sunmoonpos/copyright"
    "-rw-r--r-- ./usr/share/doc/sunmoonpos/changelog.gz")
set(found "")
foreach(entry IN LISTS entries)
    if(entry STREQUAL "")
        continue()
    endif()
    if(NOT entry MATCHES "^([-dlrwxs]+) root/root +[0-9]+ [-0-9]+ [:0-9]+ (\\./[^ ]*)$")
        message(FATAL_ERROR "not owned by root, or not understood: ${entry}")
    endif()
    set(mode "${CMAKE_MATCH_1}")
    set(path "${CMAKE_MATCH_2}")
    if(NOT path MATCHES "^\\./usr/" AND NOT path STREQUAL "./")
        message(FATAL_ERROR "packed outside /usr: ${entry}")
    endif()
    if(path MATCHES "^\\./usr/local/")
        message(FATAL_ERROR "packed under /usr/local: ${entry}")
    endif()
    list(APPEND found "${mode} ${path}")
endforeach()
foreach(want IN LISTS expected)
    if(NOT want IN_LIST found)
        message(FATAL_ERROR "the package lacks ${want}; it holds:\n${listing}")
    endif()
endforeach()

# The program is packed stripped (the build keeps its debugging information).
file(REMOVE_RECURSE "${OUTPUT_DIR}/root")
run_checked(ignored dpkg-deb --extract "${deb}" "${OUTPUT_DIR}/root")
run_checked(kind file --brief "${OUTPUT_DIR}/root/usr/bin/sunmoonpos")
if(NOT kind MATCHES ", stripped")
    message(FATAL_ERROR "the packed program is not stripped: ${kind}")
endif()

# The packed program finds its window's module where the package put it: without a display
# the module itself says there is none. Its commands need no display either.
execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
                        "${OUTPUT_DIR}/root/usr/bin/sunmoonpos"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT errors MATCHES "no display to open the window on")
    message(FATAL_ERROR "the packed program did not reach its window's module (${result}): ${errors}")
endif()
run_checked(version env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
            "${OUTPUT_DIR}/root/usr/bin/sunmoonpos" --version)
if(NOT version STREQUAL "sunmoonpos ${VERSION}\n")
    message(FATAL_ERROR "the packed program's --version: ${version}")
endif()

# The completion file, read by bash, completes the program's commands.
run_checked(completed bash -c
    "source '${OUTPUT_DIR}/root/usr/share/bash-completion/completions/sunmoonpos' && complete -p sunmoonpos")
if(NOT completed MATCHES "-F _sunmoonpos sunmoonpos")
    message(FATAL_ERROR "the completion file completes nothing for sunmoonpos: ${completed}")
endif()

# The control fields.
function(control_field name out)
    run_checked(value dpkg-deb --field "${deb}" "${name}")
    string(STRIP "${value}" value)
    set(${out} "${value}" PARENT_SCOPE)
endfunction()
function(expect_field name wanted)
    control_field("${name}" value)
    if(NOT value STREQUAL wanted)
        message(FATAL_ERROR "${name}: '${value}', expected '${wanted}'")
    endif()
endfunction()
expect_field(Package sunmoonpos)
expect_field(Version "${VERSION}")
expect_field(Architecture "${architecture}")
expect_field(Section science)
expect_field(Priority optional)
control_field(Depends depends)
foreach(dependency libc6 libqt6widgets6 libqt6gui6 libqt6core6 fonts-ipafont-gothic)
    if(NOT depends MATCHES "(^|, )${dependency}( |,|$)")
        message(FATAL_ERROR "Depends lacks ${dependency}: ${depends}")
    endif()
endforeach()
control_field(Maintainer maintainer)
if(NOT maintainer MATCHES "^[^<]+ <[^@>]+@[^>]+>$")
    message(FATAL_ERROR "Maintainer is not a name and an address: '${maintainer}'")
endif()
control_field(Description description)
if(NOT description MATCHES "^[^\n]+\n .+")
    message(FATAL_ERROR "Description needs a summary line and a longer text: '${description}'")
endif()

# What Debian's own checker finds: no error and no warning.
find_program(LINTIAN lintian)
if(NOT LINTIAN)
    message(FATAL_ERROR "lintian is not installed (bash scripts/setup.sh installs it)")
endif()
execute_process(COMMAND "${LINTIAN}" --fail-on error,warning "${deb}"
                RESULT_VARIABLE result OUTPUT_VARIABLE found ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lintian found:\n${found}\n${errors}")
endif()
file(REMOVE_RECURSE "${OUTPUT_DIR}")
