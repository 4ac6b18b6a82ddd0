# Installing and packaging. The same files in two layouts:
# - the portable folder (a plain `cmake --install`, the tarball): the program with its data
#   and help beside it, as the program expects, and under share/ the desktop entry, icons and
#   metainfo that kindlebrook-desktop registers for the user;
# - the system layout (the .deb only, component "system"): that folder, read-only, under
#   lib/kindlebrook, a launcher in bin that gives each user a copy to write in, and the desktop
#   files where the system looks for them.

set (KB_ID org.kindlebrook.Kindlebrook)

if (WIN32)
    include (cmake/PackagingWindows.cmake)
    return()
endif()

# The desktop's PNG sizes, rendered from the same drawing as the window's icon.
add_executable (RenderIcons tools/RenderIcons.cpp)
target_compile_options (RenderIcons PRIVATE ${KB_WARNINGS})
target_link_libraries (RenderIcons PRIVATE kb_look)
set (KB_ICONS_DIR "${CMAKE_CURRENT_BINARY_DIR}/icons/hicolor")
add_custom_command (OUTPUT "${KB_ICONS_DIR}/256x256/apps/${KB_ID}.png"
    COMMAND RenderIcons "${KB_ICONS_DIR}" "${KB_ID}"
    DEPENDS RenderIcons
    COMMENT "Rendering the icon's PNG sizes")
add_custom_target (kb_icons ALL DEPENDS "${KB_ICONS_DIR}/256x256/apps/${KB_ID}.png")

function (kb_install_layout component appDir shareDir)
    set (extra ${ARGN})
    install (TARGETS Kindlebrook RUNTIME DESTINATION "${appDir}" COMPONENT ${component} ${extra})
    install (DIRECTORY data/ DESTINATION "${appDir}/data" COMPONENT ${component} ${extra}
             FILES_MATCHING PATTERN "*.kbs")
    install (DIRECTORY help/ DESTINATION "${appDir}/help" COMPONENT ${component} ${extra})
    install (FILES LICENSE DESTINATION "${appDir}" COMPONENT ${component} ${extra})
    install (FILES desktop/${KB_ID}.desktop DESTINATION "${shareDir}/applications" COMPONENT ${component} ${extra})
    install (FILES desktop/${KB_ID}.metainfo.xml DESTINATION "${shareDir}/metainfo" COMPONENT ${component} ${extra})
    install (FILES desktop/${KB_ID}.svg DESTINATION "${shareDir}/icons/hicolor/scalable/apps" COMPONENT ${component} ${extra})
    install (DIRECTORY "${KB_ICONS_DIR}/" DESTINATION "${shareDir}/icons/hicolor" COMPONENT ${component} ${extra})
endfunction()

kb_install_layout (portable . share)
install (PROGRAMS desktop/kindlebrook-desktop DESTINATION . COMPONENT portable)

kb_install_layout (system lib/kindlebrook share EXCLUDE_FROM_ALL)
install (PROGRAMS desktop/kindlebrook DESTINATION bin COMPONENT system EXCLUDE_FROM_ALL)

set (CPACK_PACKAGE_NAME kindlebrook)
set (CPACK_PACKAGE_VENDOR "The Kindlebrook contributors")
set (CPACK_PACKAGE_DESCRIPTION_SUMMARY "Creative advice for musicians, one piece at a time")
set (CPACK_PACKAGE_FILE_NAME "kindlebrook-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR}")
set (CPACK_RESOURCE_FILE_LICENSE "${CMAKE_CURRENT_SOURCE_DIR}/LICENSE")
set (CPACK_GENERATOR TGZ DEB)
set (CPACK_PACKAGE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/packages")
set (CPACK_DEBIAN_PACKAGE_MAINTAINER "The Kindlebrook contributors")
set (CPACK_DEBIAN_PACKAGE_SECTION sound)
set (CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set (CPACK_PACKAGE_DESCRIPTION "Kindlebrook shows one piece of creative advice at a time, drawn from advice sets
that can be filtered, edited and shared. The kindlebrook command gives each user a
copy of the program's folder on first start, where sets, favourites and settings are kept.")
# Which layout each package takes is chosen when CPack runs, per generator.
set (CPACK_KB_BUILD_DIR "${CMAKE_CURRENT_BINARY_DIR}")
set (CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_SOURCE_DIR}/cmake/CPackLayouts.cmake")
include (CPack)
