# Shared by the script tests: `check WHAT EXPECTED ACTUAL` records one comparison,
# `finish` prints the count and fails the script if any comparison failed.
failures=0
check() {
    if [ "$2" == "$3" ]; then
        echo "ok: $1"
    else
        echo "FAIL: $1"
        echo "  expected: $2"
        echo "  actual:   $3"
        failures=$((failures + 1))
    fi
}
finish() {
    echo "$failures failed"
    [ "$failures" -eq 0 ]
}
