# Shared by scripts/run and scripts/test: the packages the project needs and the build.
set -euo pipefail

KB_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KB_BUILD_DIR="${KB_BUILD_DIR:-$KB_ROOT/build}"
KB_APP="$KB_BUILD_DIR/Kindlebrook_artefacts/Release/Kindlebrook"
KB_CMAKE_OPTIONS=()

KB_PACKAGES=(
    cmake ninja-build g++ pkg-config
    clang libclang-rt-14-dev
    juce-modules-source
    libgtest-dev libbenchmark-dev
    fonts-dejavu-core
    xvfb xdotool imagemagick xclip x11-utils xauth openbox wmctrl
    dpkg-dev desktop-file-utils appstream
)

kb_ensure_packages()
{
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
        sudo="sudo"
    fi
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

kb_configure()
{
    if [ ! -f "$KB_BUILD_DIR/build.ninja" ]; then
        local launcher=()
        # A second build folder (sanitizers, a worktree) then reuses the compiled JUCE modules.
        command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
        cmake -S "$KB_ROOT" -B "$KB_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "${KB_CMAKE_OPTIONS[@]}"
    fi
}

kb_build()
{
    kb_configure
    cmake --build "$KB_BUILD_DIR" "$@"
}
