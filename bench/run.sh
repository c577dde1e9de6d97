#!/usr/bin/env bash
# Installs what is missing, builds a release tree and runs both benchmarks:
# start-up and memory against a bare Qt window under Xvfb, then the check and
# digit-click timings on the offscreen platform.
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
