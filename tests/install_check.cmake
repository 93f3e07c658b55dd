# Installs the build into PREFIX and checks that every installed file is where a desktop
# looks for it and says what it should.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(id org.sunmoonpos.SunMoonPos)
foreach(path bin/sunmoonpos
             share/applications/${id}.desktop
             share/icons/hicolor/scalable/apps/${id}.svg
             share/icons/hicolor/48x48/apps/${id}.png
             share/icons/hicolor/128x128/apps/${id}.png)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
file(READ "${PREFIX}/share/applications/${id}.desktop" entry)
foreach(line "Name=赤径赤緯" "Exec=sunmoonpos" "Icon=${id}" "Type=Application")
    string(FIND "${entry}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the menu entry lacks ${line}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
