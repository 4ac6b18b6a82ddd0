# Installing and packaging on Windows: one folder, the program with its data and help beside
# it as the program expects. CPack makes the per-user NSIS installer (cmake/windows/
# NSIS.template.in: %LOCALAPPDATA%\Programs\Kindlebrook, no administrator rights) and the
# portable .zip of the same folder.

# JUCE lists the icon as a bundle resource, which only macOS installs; it is in the .exe.
set_target_properties (Kindlebrook PROPERTIES RESOURCE "")
install (TARGETS Kindlebrook RUNTIME DESTINATION .)
install (DIRECTORY data/ DESTINATION data FILES_MATCHING PATTERN "*.kbs")
install (DIRECTORY help/ DESTINATION help)
install (FILES LICENSE DESTINATION .)

set (CPACK_PACKAGE_NAME kindlebrook)
set (CPACK_PACKAGE_VENDOR "The Kindlebrook contributors")
set (CPACK_PACKAGE_DESCRIPTION_SUMMARY "Creative advice for musicians, one piece at a time")
set (KB_PACKAGE_FILE_NAME "kindlebrook-${PROJECT_VERSION}-windows-x64")
set (CPACK_PACKAGE_FILE_NAME "${KB_PACKAGE_FILE_NAME}")
set (CPACK_PACKAGE_INSTALL_DIRECTORY Kindlebrook)
set (CPACK_RESOURCE_FILE_LICENSE "${CMAKE_CURRENT_SOURCE_DIR}/LICENSE")
set (CPACK_GENERATOR NSIS ZIP)
set (CPACK_PACKAGE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/packages")
# The installer and its uninstaller show the program's own icon, made by juceaide from the SVG.
set (CPACK_NSIS_MUI_ICON "${CMAKE_CURRENT_BINARY_DIR}/Kindlebrook_artefacts/JuceLibraryCode/icon.ico")
set (CPACK_NSIS_MUI_UNIICON "${CPACK_NSIS_MUI_ICON}")
# The template CPack fills in: ours, for a per-user install that keeps the user's sets.
list (PREPEND CMAKE_MODULE_PATH "${CMAKE_CURRENT_SOURCE_DIR}/cmake/windows")
include (CPack)
