# Installs the build into PREFIX and checks that every installed file is where a desktop
# looks for it and says what it should, that nothing lands outside PREFIX, and that the
# package's own changelog stays out of a plain install.
#
# `cmake --install` records what it installed in the build's install_manifest.txt, which
# users keep to remove an install again; the record of a user's install is put back after.
set(manifest "${BUILD_DIR}/install_manifest.txt")
set(saved_manifest "${PREFIX}-manifest.txt")
file(REMOVE "${saved_manifest}")
if(EXISTS "${manifest}")
    file(COPY_FILE "${manifest}" "${saved_manifest}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
set(installed "")
if(EXISTS "${manifest}")
    file(STRINGS "${manifest}" installed)
endif()
if(EXISTS "${saved_manifest}")
    file(RENAME "${saved_manifest}" "${manifest}")
else()
    file(REMOVE "${manifest}")
endif()
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(path IN LISTS installed)
    string(FIND "${path}" "${PREFIX}/" at)
    if(NOT at EQUAL 0)
        message(FATAL_ERROR "installed outside the prefix: ${path}")
    endif()
endforeach()
set(id org.sunmoonpos.SunMoonPos)
foreach(path bin/sunmoonpos
             share/applications/${id}.desktop
             share/icons/hicolor/scalable/apps/${id}.svg
             share/icons/hicolor/48x48/apps/${id}.png
             share/icons/hicolor/128x128/apps/${id}.png
             share/metainfo/${id}.metainfo.xml
             share/man/man1/sunmoonpos.1.gz
             share/bash-completion/completions/sunmoonpos
             ${WINDOW_MODULE_DIR}/sunmoonpos-window.so
             share/doc/sunmoonpos/copyright)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
if(EXISTS "${PREFIX}/share/doc/sunmoonpos/changelog.gz")
    message(FATAL_ERROR "the package's changelog was installed by cmake --install")
endif()
file(READ "${PREFIX}/share/applications/${id}.desktop" entry)
foreach(line "Name=赤径赤緯" "Exec=sunmoonpos" "Icon=${id}" "Type=Application")
    string(FIND "${entry}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the menu entry lacks ${line}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
