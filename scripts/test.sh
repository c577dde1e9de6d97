#!/usr/bin/env bash
# Installs what is missing and runs the whole test suite: a build with warnings as
# errors and its tests, the Windows program cross-built and tested under Wine,
# the web page built with emscripten and tested under node and in Chromium,
# the release packages built, installed and removed again, the linters, the
# same tests under AddressSanitizer and UndefinedBehaviorSanitizer, and a
# bounded libFuzzer run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_packages "${RELEASE_PACKAGES[@]}" chromium chromium-driver python3-selenium libgtest-dev libgmock-dev \
    firefox-esr webkit2gtk-driver python3-websocket nodejs \
    libbenchmark-dev libx11-dev xvfb xdotool xclip x11-apps x11-utils desktop-file-utils \
    orca dbus-daemon at-spi2-core \
    appstream unzip wine wine64 clang clang-tidy clang-format cppcheck libclang-rt-14-dev \
    shellcheck pyflakes3 ccache python3-pytest
# The test and lint tools from npm, as package.json and its lock file name them;
# Lighthouse, an optional one, is the bench's alone. Nothing of them ships.
npm ci --omit=optional --no-audit --no-fund --loglevel=error
jobs=$(nproc)
# Each stage stops the script on failure; the closing lines give each stage's
# time, count the stages that ran and name the one that failed.
current=""
corpus=""
stage_started=$SECONDS
times=()
stage() {
    end_stage
    current=$*
    echo
    echo "== $* =="
}
end_stage() {
    if [ -n "$current" ]; then times+=("$((SECONDS - stage_started)) s  $current"); fi
    stage_started=$SECONDS
}
finish() {
    local status=$?
    [ -n "$corpus" ] && rm -rf "$corpus"
    jobs -p | xargs -r kill 2>/dev/null || true
    end_stage
    echo
    printf '%s\n' "${times[@]}"
    echo "$SECONDS s in all, with the packages' install"
    if [ "$status" -eq 0 ]; then
        echo "stages: ${#times[@]} passed, 0 failed"
    else
        echo "stages: $((${#times[@]} > 0 ? ${#times[@]} - 1 : 0)) passed, 1 failed (${current:-setup})"
    fi
}
trap finish EXIT

# Steps that mostly wait (Wine, browsers, a fuzzer on one core) run beside
# steps that compute; each one's output is shown whole when it is awaited.
declare -A side_pid side_log
beside() {  # beside NAME COMMAND...
    local name=$1
    shift
    side_log[$name]=$(mktemp)
    "$@" >"${side_log[$name]}" 2>&1 &
    side_pid[$name]=$!
}
await() {  # await NAME: its output, and its failure as the script's
    local status=0
    wait "${side_pid[$1]}" || status=$?
    echo "-- $1 --"
    cat "${side_log[$1]}"
    rm -f "${side_log[$1]}"
    return "$status"
}

# Repeated runs compile through ccache. The release files' second build (the
# reproducibility check, in a fresh clone) never does, so it checks the first.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
cached=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

stage "build and test"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRIVELAN_WERROR=ON "${cached[@]}"
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure --no-tests=error -j "$jobs"

stage "Windows program under Wine, web page in Chromium, WebKit and Firefox"
cmake --preset windows -DTRIVELAN_WERROR=ON -DTRIVELAN_BUILD_TESTS=ON "${cached[@]}"
cmake --build --preset windows -j "$jobs"
beside "Windows program, tested under Wine" bash tests/win32/wine_session.sh build-windows/wine \
    ctest --test-dir build-windows --output-on-failure --no-tests=error -j "$jobs"
cmake --preset web -DTRIVELAN_WERROR=ON -DTRIVELAN_BUILD_TESTS=ON "${cached[@]}"
cmake --build --preset web -j "$jobs"
# The page's tests mostly wait on their browsers: three engines at once.
ctest --test-dir build-web --output-on-failure --no-tests=error -j 3
await "Windows program, tested under Wine"

stage "release packages"
bash scripts/package.sh
bash tests/packaging/release_test.sh dist
beside "every release file built again" bash tests/packaging/reproducible_test.sh dist
bash tests/win32/wine_session.sh build-windows/wine \
    bash tests/packaging/windows/installer_test.sh dist/trivelan-*-win64-setup.exe
bash tests/win32/wine_session.sh build-windows/wine \
    bash tests/packaging/windows/msi_test.sh dist/trivelan-*-win64.msi build-windows/packaging/windows/trivelan.wxs \
    build-windows/app/trivelan.exe build-windows/packaging/icons/trivelan.ico dist/trivelan-*-win64-setup.exe
await "every release file built again"

stage "AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRIVELAN_WERROR=ON \
    -DTRIVELAN_SANITIZE=ON -DTRIVELAN_BUILD_BENCH=OFF "${cached[@]}"
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS=suppressions=$PWD/tests/shared/lsan.supp \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

stage "lint, and fuzz (${FUZZ_RUNS:-150000} runs) beside it"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRIVELAN_WERROR=ON \
    -DTRIVELAN_FUZZ=ON "${cached[@]}"
cmake --build build-fuzz -j "$jobs"
corpus=$(mktemp -d)
# A number of runs, not seconds: beside the linters the fuzzer does as much as
# it did alone in a minute. libFuzzer logs every new input; keep the log and
# show its end.
fuzz() {
    if ! build-fuzz/fuzz/trivelan_fuzz -runs="${FUZZ_RUNS:-150000}" -max_len=512 \
        -print_final_stats=1 "$corpus" fuzz/corpus 2>"$corpus/fuzz.log"; then
        tail -n 60 "$corpus/fuzz.log"
        return 1
    fi
    grep -E '^(Done|stat::)' "$corpus/fuzz.log"
}
beside "fuzz" fuzz
bash scripts/lint.sh build-test build-windows build-web
await "fuzz"
