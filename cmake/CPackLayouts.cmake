# Read by CPack for each generator: the tarball holds the portable folder, the .deb the system layout.
if (CPACK_GENERATOR STREQUAL "DEB")
    set (CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_KB_BUILD_DIR};Kindlebrook;system;/")
    set (CPACK_PACKAGING_INSTALL_PREFIX /usr)
else()
    set (CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_KB_BUILD_DIR};Kindlebrook;portable;/")
endif()
