# The Windows build (cross-compiled with MinGW-w64, see cmake/MinGW-w64.cmake): image
# libraries built for Windows, a static link, and the few workarounds MinGW needs.

if (NOT KB_WINDOWS_DEPS)
    message (FATAL_ERROR "KB_WINDOWS_DEPS must name the folder with libpng and libjpeg built for Windows (scripts/build-windows makes it)")
endif()

# JUCE's larger units exceed the object format's default section count.
add_compile_options (-Wa,-mbig-obj)

# Debian's JUCE has its bundled image libraries removed: libpng and libjpeg-turbo from
# KB_WINDOWS_DEPS, zlib from libz-mingw-w64-dev. All static, so the program is one .exe.
add_library (kb_image_libs INTERFACE)
target_include_directories (kb_image_libs INTERFACE "${KB_WINDOWS_DEPS}/include")
target_link_libraries (kb_image_libs INTERFACE
    "${KB_WINDOWS_DEPS}/lib/libpng16.a" "${KB_WINDOWS_DEPS}/lib/libjpeg.a"
    /usr/x86_64-w64-mingw32/lib/libz.a)

set_source_files_properties ("${JUCE_MODULES_DIR}/juce_graphics/juce_graphics.cpp"
    PROPERTIES COMPILE_OPTIONS "-include;${CMAKE_CURRENT_LIST_DIR}/mingw/JpegBoolean.h")

# The build's Windows programs (the tests, their discovery) run under Wine, in a prefix of the build.
set (CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/windows/wine-run;${CMAKE_BINARY_DIR}/wine")

# What JUCE's modules call in Windows, linked statically with the C and C++ runtimes.
set (KB_WINDOWS_SYSTEM_LIBS version winmm ws2_32 shlwapi imm32 comdlg32 ole32 oleaut32 uuid
     rpcrt4 gdi32 comctl32 dxgi shell32 d2d1 dwrite d3d11 dxguid)
add_link_options (-static -static-libgcc -static-libstdc++)
