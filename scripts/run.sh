#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
#   bash scripts/run.sh          the desktop program
#   bash scripts/run.sh --web    the web page, served on 127.0.0.1 (Ctrl+C stops it)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
if [ "${1:-}" == "--web" ]; then
    install_packages "${WEB_BUILD_PACKAGES[@]}"
    cmake --preset web -DTRIVELAN_BUILD_TESTS=OFF >/dev/null
    cmake --build --preset web
    port=${PORT:-8000}
    echo "Тривелан: http://127.0.0.1:$port/ (the one file: build-web/trivelan.html)"
    exec /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site
fi
install_packages "${BUILD_PACKAGES[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRIVELAN_BUILD_TESTS=OFF -DTRIVELAN_BUILD_BENCH=OFF
cmake --build build
if [ -x build/app/trivelan ]; then exec build/app/trivelan "$@"; fi
