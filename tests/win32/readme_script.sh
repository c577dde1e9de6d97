# shellcheck shell=bash
# Sourced by the Wine tests: runs a script as the README prints it, so that
# every command line a school copies from there is the one tested.
# readme_script TITLE: runs the README's ```bat block that starts with "rem TITLE"
# as a .cmd file under Wine's cmd and gives its exit status.
readme_script() {
    local readme script
    readme="$(dirname "${BASH_SOURCE[0]}")/../../README.md"
    script=$(mktemp --suffix=.cmd)
    awk -v first="rem $1" '$0 == first { on = 1 } on && /^```/ { exit } on { printf "%s\r\n", $0 }' \
        "$readme" >"$script"
    [ -s "$script" ] || { echo "no README script: $1" >&2; rm -f "$script"; return 99; }
    local status=0
    wine cmd /c "$(winepath -w "$script")" >/dev/null 2>&1 || status=$?
    rm -f "$script"
    return "$status"
}
