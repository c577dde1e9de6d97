#!/usr/bin/env bash
# clang-format, clang-tidy and cppcheck over the project's own code; any finding fails.
# Usage: lint.sh BUILD_DIR   (a configured tree with compile_commands.json)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
dirs=(runtime logic ui app packaging bench fuzz tests)
mapfile -t sources < <(git ls-files -- "${dirs[@]/%//*.cpp}" "${dirs[@]/%//*.h}")

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
mapfile -t tidy < <(printf '%s\n' "${sources[@]}" | grep -E '^(runtime|logic|ui|app|packaging)/.*\.cpp$')
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${tidy[@]/#/$PWD/}" >"$build/clang-tidy.log" 2>&1 ||
    { grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u; exit 1; }
if grep -q -E 'warning:|error:' "$build/clang-tidy.log"; then
    grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u
    exit 1
fi
echo "lint: no findings"
