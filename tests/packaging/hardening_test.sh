#!/usr/bin/env bash
# Reads the executable's ELF headers and fails unless it is position-independent,
# has full RELRO, uses the stack protector and the fortified libc calls.
# Usage: hardening_test.sh PATH/TO/trivelan
set -euo pipefail
source "$(dirname "$0")/../shared/check.sh"
exe=$1
has() { grep -q -E "$1" && echo yes || echo no; }

check "position-independent executable" yes "$(readelf -hW "$exe" | has 'Type:[[:space:]]+DYN')"
check "PIE flag" yes "$(readelf -dW "$exe" | has 'FLAGS_1.*PIE')"
check "RELRO segment" yes "$(readelf -lW "$exe" | has 'GNU_RELRO')"
check "bind now (full RELRO)" yes "$(readelf -dW "$exe" | has '(BIND_NOW|FLAGS_1.*NOW)')"
check "stack protector" yes "$(readelf --dyn-syms -W "$exe" | has '__stack_chk_fail')"
check "_FORTIFY_SOURCE" yes "$(readelf --dyn-syms -W "$exe" | has '__[a-z]+_chk@')"
finish
