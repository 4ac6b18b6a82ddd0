# Shared by scripts/build-windows and scripts/test-windows: what the Windows build needs,
# the image libraries built for Windows, and the build folder.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

KB_BUILD_DIR="${KB_WINDOWS_BUILD_DIR:-$KB_ROOT/build-windows}"
KB_WINDOWS_DEPS="$KB_BUILD_DIR/deps"
KB_APP="$KB_BUILD_DIR/Kindlebrook_artefacts/Release/Kindlebrook.exe"
KB_CMAKE_OPTIONS=(-DCMAKE_TOOLCHAIN_FILE="$KB_ROOT/cmake/MinGW-w64.cmake" -DKB_WINDOWS_DEPS="$KB_WINDOWS_DEPS"
                  -DKINDLEBROOK_BENCH=OFF)

KB_WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64-posix libz-mingw-w64-dev googletest
    nsis wine wine64
)

# Debian's sources of a package, for apt-get source: a deb-src entry beside each deb one.
kb_ensure_deb_src()
{
    apt-cache showsrc "$1" 2>/dev/null | grep -q '^Package:' && return 0
    [ "$(id -u)" -eq 0 ] || { echo "Please add deb-src entries to apt's sources (as root) for $1" >&2; exit 1; }

    local list=/etc/apt/sources.list.d/kindlebrook-deb-src.sources
    echo "Adding Debian's source entries to $list"
    : > "$list"
    local f
    for f in /etc/apt/sources.list.d/*.sources; do
        [ "$f" = "$list" ] && continue
        sed -n '/^Types:.*\bdeb\b/,/^$/p' "$f" | sed 's/^Types:.*/Types: deb-src/' >> "$list"
        echo >> "$list"
    done
    if [ -f /etc/apt/sources.list ]; then
        grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' > /etc/apt/sources.list.d/kindlebrook-deb-src.list || true
    fi
    env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 update -qq
}

# libpng and libjpeg-turbo for Windows, static, built once from Debian's sources.
kb_windows_deps()
{
    local stamp="$KB_WINDOWS_DEPS/.built"
    [ -f "$stamp" ] && return 0

    local src="$KB_BUILD_DIR/deps-src"
    rm -rf "$src" "$KB_WINDOWS_DEPS"
    mkdir -p "$src"
    kb_ensure_deb_src libpng1.6
    # The release's own version when a newer one is listed whose sources are not served.
    local codename package
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    for package in libpng1.6 libjpeg-turbo; do
        (cd "$src" && { apt-get source -qq "$package" >/dev/null 2>&1 || apt-get source -qq "$package/$codename" >/dev/null; })
    done

    local toolchain=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$KB_ROOT/cmake/MinGW-w64.cmake" -DCMAKE_BUILD_TYPE=Release
                     -DCMAKE_INSTALL_PREFIX="$KB_WINDOWS_DEPS" -DKB_WINDOWS_DEPS="$KB_WINDOWS_DEPS" -Wno-dev)
    local png jpeg
    png=$(find "$src" -maxdepth 1 -type d -name 'libpng1.6-*' | head -n 1)
    jpeg=$(find "$src" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
    [ -n "$png" ] && [ -n "$jpeg" ] || { echo "apt-get source did not unpack libpng1.6 and libjpeg-turbo" >&2; exit 1; }

    echo "Building libpng and libjpeg-turbo for Windows (once)"
    cmake -S "$png" -B "$src/png-build" "${toolchain[@]}" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
        -DPNG_EXECUTABLES=OFF -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a \
        -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include >/dev/null
    cmake --build "$src/png-build" --target install >/dev/null
    cmake -S "$jpeg" -B "$src/jpeg-build" "${toolchain[@]}" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
        -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF >/dev/null
    cmake --build "$src/jpeg-build" --target install >/dev/null
    # JUCE's loader asks for jpeglib's internals, which Debian installs too.
    cp "$jpeg/jpegint.h" "$KB_WINDOWS_DEPS/include/"

    rm -rf "$src"
    touch "$stamp"
}
