#!/usr/bin/env bash
# Installs what is missing, builds release trees and runs the benchmarks:
# start-up and memory against a bare Qt window under Xvfb, the check and
# digit-click timings on the offscreen platform, and the Windows program's
# start-up and memory against a bare Win32 window under Wine, the page's first
# visit and first paint, and Lighthouse's scores of the page.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev libx11-dev xvfb
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRIVELAN_BUILD_TESTS=OFF
cmake --build build-bench

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb \
    build-bench/bench/trivelan_startup_bench --runs "${RUNS:-15}" \
    build-bench/app/trivelan build-bench/bench/trivelan_bare_window

QT_QPA_PLATFORM=offscreen build-bench/bench/trivelan_check_bench \
    --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

# The Windows program against a bare Win32 window, both under Wine in the Wine
# session's own Xvfb, where Wine puts a window's client area at (3, 22).
install_packages "${WINDOWS_BUILD_PACKAGES[@]}" wine wine64
cmake --preset windows -DTRIVELAN_BUILD_TESTS=OFF >/dev/null
cmake --build --preset windows --target trivelan trivelan_bare_window
bash tests/win32/wine_session.sh build-windows/wine \
    build-bench/bench/trivelan_startup_bench --runs "${RUNS:-15}" --launcher "$(command -v wine)" \
    --at 3 22 build-windows/app/trivelan.exe build-windows/trivelan_bare_window.exe

# The web page: what a first visit downloads, and its first paint against a floor page.
install_packages "${WEB_BUILD_PACKAGES[@]}" chromium chromium-driver python3-selenium
cmake --preset web -DTRIVELAN_BUILD_TESTS=OFF >/dev/null
cmake --build --preset web
/usr/bin/python3 bench/page_bench.py build-web/site "${RUNS:-15}"

# Lighthouse's accessibility, best-practices and SEO scores (npm's Lighthouse,
# pinned in package.json, with the optional tools the test command leaves out).
npm ci --no-audit --no-fund --loglevel=error
bash bench/lighthouse.sh build-web/site
