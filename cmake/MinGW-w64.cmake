# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads flavour, which
# std::thread and JUCE's threads need). KB_WINDOWS_DEPS names the folder where
# scripts/build-windows installed libpng and libjpeg-turbo built for Windows.
set (CMAKE_SYSTEM_NAME Windows)
set (CMAKE_SYSTEM_PROCESSOR x86_64)

set (CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set (CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set (CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set (CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${KB_WINDOWS_DEPS})
set (CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set (CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set (CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# JUCE's CMake package lives with the host's files (its juceaide runs on the host), under
# the host's library architecture, which a cross build does not search.
set (CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
file (GLOB KB_JUCE_CONFIG_DIRS /usr/lib/*/cmake/JUCE-* /usr/lib/cmake/JUCE-*)
if (KB_JUCE_CONFIG_DIRS AND NOT JUCE_DIR)
    list (GET KB_JUCE_CONFIG_DIRS 0 KB_JUCE_CONFIG_DIR)
    set (JUCE_DIR "${KB_JUCE_CONFIG_DIR}" CACHE PATH "Where JUCE's CMake package is")
endif()

# Carried into try_compile projects, which see only what the toolchain file sets.
list (APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KB_WINDOWS_DEPS)
