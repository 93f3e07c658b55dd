# Checks that the newest entry of the package's changelog and the newest release of the
# AppStream metadata both name the project's version, so that a new version is not shipped
# with the notes of the last one.
# Given: SOURCE_DIR, VERSION (the project's version).
cmake_minimum_required(VERSION 3.25)
file(READ "${SOURCE_DIR}/packaging/changelog" changelog)
if(NOT changelog MATCHES "^sunmoonpos \\(([^)]+)\\) [a-z-]+; urgency=[a-z]+\n")
    message(FATAL_ERROR "packaging/changelog does not start with an entry")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "packaging/changelog starts with ${CMAKE_MATCH_1}, the project is ${VERSION}")
endif()

set(metainfo app/resources/org.sunmoonpos.SunMoonPos.metainfo.xml)
file(READ "${SOURCE_DIR}/${metainfo}" text)
if(NOT text MATCHES "<release version=\"([^\"]+)\" date=\"[0-9]+-[0-9]+-[0-9]+\"")
    message(FATAL_ERROR "${metainfo} has no release with a version and a date")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "the newest release in ${metainfo} is ${CMAKE_MATCH_1}, the project is ${VERSION}")
endif()
