# shellcheck shell=bash disable=SC2034  # the lists are read by the scripts that source this
# Installs the Debian packages named as arguments that are not installed yet.
# Sourced by the run and test scripts; uses sudo when not root.
install_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# Debian's em++ needs Debian's node modules (acorn) where node is not Debian's own.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

# What building the program needs; ImageMagick makes the icons everywhere.
# qt6-translations-l10n carries Qt's own Bulgarian texts, which the program loads.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n fonts-liberation
    imagemagick)

# What cross-building the Windows program needs (the posix thread variant has
# the std::mutex GoogleTest needs; the machine's own g++ builds the design's
# facts tool, which runs at build time).
WINDOWS_BUILD_PACKAGES=(cmake ninja-build g++ g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    imagemagick)

# What building the web page needs: Debian's emscripten, and fonttools with
# brotli to cut the font to a WOFF2 subset.
WEB_BUILD_PACKAGES=(cmake ninja-build emscripten python3-fonttools python3-brotli fonts-liberation
    imagemagick)

# What making the release packages needs (scripts/package.sh); wixl and
# msitools make the MSI.
PACKAGING_PACKAGES=(debhelper dpkg-dev lintian nsis wixl msitools python3-olefile)
RELEASE_PACKAGES=("${BUILD_PACKAGES[@]}" "${WINDOWS_BUILD_PACKAGES[@]}" "${WEB_BUILD_PACKAGES[@]}"
    "${PACKAGING_PACKAGES[@]}")
