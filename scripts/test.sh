#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_packages "${BUILD_PACKAGES[@]}" libgtest-dev libgmock-dev \
    xvfb xdotool xclip x11-apps imagemagick desktop-file-utils appstream binutils-mingw-w64-x86-64

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRIVELAN_WERROR=ON
cmake --build build-test
ctest --test-dir build-test --output-on-failure
