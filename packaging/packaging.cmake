# The Debian package: `cmake --build build --target package` (or `cpack -G DEB` in the build
# directory) packs, under /usr, what `cmake --install` installs, plus the package's changelog.
# It is made only on request, never by the ordinary build.
include(GNUInstallDirs)
set(SUNMOON_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/sunmoonpos)

# The licence goes with the program either way it is installed; the package's changelog only
# into the package (a component that `cmake --install` leaves out).
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${SUNMOON_DOC_DIR})
set(SUNMOON_CHANGELOG ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
sunmoon_add_compressed_file(sunmoonpos_changelog ${CMAKE_CURRENT_LIST_DIR}/changelog
                            ${SUNMOON_CHANGELOG})
add_dependencies(sunmoonpos sunmoonpos_changelog)
install(FILES ${SUNMOON_CHANGELOG} DESTINATION ${SUNMOON_DOC_DIR}
        COMPONENT DebianPackage EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sunmoonpos)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The sunmoonpos developers")
set(CPACK_PACKAGE_CONTACT "The sunmoonpos developers <maintainers@sunmoonpos.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "positions of the Sun and the Moon for a place and time")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop calculator, with a Japanese window, for the apparent positions of the
Sun and the Moon seen from a place on the Earth at a date and time given in
Japan Standard Time: right ascension, declination, altitude and azimuth of
both, and the equation of time. While the Moon is above the horizon it also
shows the Moon's illuminated fraction, the angle of its bright limb from the
zenith and a drawing of its lit disc.

Seventy-five places are built in, and any latitude and longitude can be typed.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Both the default component and the changelog's.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};Unspecified;/"
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};DebianPackage;/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links come from dpkg-shlibdeps; the Japanese face the window
# asks for is found by name at run time, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# `cmake --build build --target package_source`: the sources, without the build folders.
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack_project_config.cmake)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/out/" "/\\\\.cache/")

include(CPack)
