#!/usr/bin/env bash
# clang-format, clang-tidy and cppcheck over the project's C++, shellcheck over
# its shell scripts, pyflakes over its Python, and the compatibility linters
# over the page's scripts and style; any finding fails.
# Usage: lint.sh BUILD_DIR WINDOWS_BUILD_DIR WEB_BUILD_DIR   (configured trees with
#        compile_commands.json: the Linux build, the Windows cross build and the web build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1 windows_build=$2 web_build=$3
dirs=(runtime logic design qt win32 web tools app packaging bench fuzz tests)
mapfile -t sources < <(git ls-files -- "${dirs[@]/%//*.cpp}" "${dirs[@]/%//*.h}")

mapfile -t scripts < <(git ls-files -- '*.sh' .ci/run)
echo "shellcheck: ${#scripts[@]} files"
shellcheck -x -P SCRIPTDIR "${scripts[@]}"
mapfile -t python < <(git ls-files -- '*.py')
echo "pyflakes: ${#python[@]} files"
pyflakes3 "${python[@]}"

# The page's scripts and style sheets, as written and as they ship, against the
# browsers it supports (the browserslist in package.json), with MDN's and
# caniuse's data.
echo "eslint (compat) and stylelint (no unsupported browser features)"
npx --no-install eslint --no-warn-ignored web/*.js "$web_build"/site/*.js
npx --no-install stylelint web/*.css "$web_build/page-design.css"

echo "clang-format: ${#sources[@]} files"
clang-format --dry-run --Werror "${sources[@]}"

echo "cppcheck"
# useStlAlgorithm is a matter of taste, not a fault.
cppcheck --std=c++20 --enable=warning,style,performance,portability --inline-suppr \
    --error-exitcode=1 --quiet --library=qt --library=googletest -I. \
    --suppress=missingIncludeSystem --suppress=missingInclude --suppress=useStlAlgorithm \
    "${dirs[@]}"

echo "clang-tidy"
# The program's code; tests and benchmarks are macro-heavy and cppcheck covers them.
# The Win32 window is read as the MinGW compiler sees it, with its headers.
# A file found clean before is read again only when what clang would read has
# changed (tidy.py: BUILD_DIR LOG EXTRA_ARGS... -- FILES...).
tidy() { /usr/bin/python3 scripts/tidy.py "$@"; }
mapfile -t linux < <(printf '%s\n' "${sources[@]}" | grep -E '^(runtime|logic|qt|app|packaging|tools/facts)/.*\.cpp$' |
    grep -v '^app/WinMain\.cpp$')
mapfile -t windows < <(printf '%s\n' "${sources[@]}" | grep -E '^win32/.*\.cpp$|^app/WinMain\.cpp$')
mapfile -t web < <(printf '%s\n' "${sources[@]}" | grep -E '^(web|tools)/.*\.cpp$' | grep -v '^tools/facts/')
# The page's code and its build-time tools are read as em++ compiles them (the
# facts are read on the build machine, with the Linux build):
# WebAssembly, emscripten's sysroot.
sysroot=/usr/share/emscripten/cache/sysroot/include
web_args=(-extra-arg=--target=wasm32-unknown-emscripten -extra-arg=-nostdinc++
          "-extra-arg=-isystem$sysroot/c++/v1" "-extra-arg=-isystem$sysroot/compat"
          "-extra-arg=-isystem$sysroot" -extra-arg=-D__EMSCRIPTEN__)
mingw_includes=()
while read -r dir; do mingw_includes+=("-extra-arg=-isystem$dir"); done < <(
    echo | x86_64-w64-mingw32-g++-posix -xc++ -E -v - 2>&1 |
        sed -n '/#include <...> search starts here/,/End of search list/{s/^ //p}' |
        grep -E '/include/c\+\+|mingw32/include$')  # not GCC's own intrinsics: clang has its own
findings=$(
    tidy "$build" "$build/clang-tidy.log" -- "${linux[@]}"
    tidy "$windows_build" "$windows_build/clang-tidy.log" -extra-arg=--target=x86_64-w64-mingw32 \
        "${mingw_includes[@]}" -- "${windows[@]}"
    tidy "$web_build" "$web_build/clang-tidy.log" "${web_args[@]}" -- "${web[@]}"
)
if [ -n "$findings" ]; then
    echo "$findings"
    exit 1
fi
echo "lint: no findings"
