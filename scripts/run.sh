#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_packages "${BUILD_PACKAGES[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRIVELAN_BUILD_TESTS=OFF -DTRIVELAN_BUILD_BENCH=OFF
cmake --build build
if [ -x build/app/trivelan ]; then exec build/app/trivelan "$@"; fi
