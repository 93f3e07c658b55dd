# Read by cpack for each kind of package it makes. The Debian package installs under /usr;
# the source archive holds the tree as it is, under no prefix.
if(CPACK_GENERATOR STREQUAL "TXZ")
    set(CPACK_PACKAGING_INSTALL_PREFIX "")
endif()
