# shellcheck shell=bash
# Shared by the installer and MSI tests under Wine.
export LC_ALL=C.UTF-8
# shellcheck source=tests/shared/check.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../shared/check.sh"

# Scripts run as the schools' guide prints them, so that every command line a
# school copies from there is the one tested.
# guide_script TITLE: runs the guide's ```bat block that starts with "rem TITLE"
# as a .cmd file under Wine's cmd and gives its exit status.
guide_script() {
    local guide script
    guide="$(dirname "${BASH_SOURCE[0]}")/../../../docs/schools.md"
    script=$(mktemp --suffix=.cmd)
    awk -v first="rem $1" '$0 == first { on = 1 } on && /^```/ { exit } on { printf "%s\r\n", $0 }' \
        "$guide" >"$script"
    [ -s "$script" ] || { echo "no script in the schools' guide: $1" >&2; rm -f "$script"; return 99; }
    local status=0
    wine cmd /c "$(winepath -w "$script")" >/dev/null 2>&1 || status=$?
    rm -f "$script"
    return "$status"
}

# windows_dir NAME: the Unix path of the folder that Windows names %NAME%.
windows_dir() { winepath -u "$(wine cmd /c "echo %$1%" 2>/dev/null | tr -d '\r')" 2>/dev/null; }

# start PROGRAM: starts it under Wine; $app is its process, $shown yes when
# its window shows within 30 s.
# shellcheck disable=SC2034  # both are read by the scripts that source this file
start() {
    wine "$1" 2>/dev/null &
    app=$!
    shown=$([ -n "$(timeout 30 xdotool search --sync --onlyvisible --name "Тривелан" | head -n 1 || true)" ] &&
        echo yes || echo no)
}

# closed PID: ends the program started as PID and
# waits until Windows itself no longer lists trivelan.exe. The Unix process and
# its window go first; until Wine's server has let go of the program's file, an
# uninstaller or an upgrade would find the program still open.
closed() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
    for _ in $(seq 60); do
        wine wmic process get name 2>/dev/null | iconv -f UTF-16LE -t UTF-8 2>/dev/null |
            grep -qi 'trivelan\.exe' || return 0
        sleep 0.25
    done
    echo "trivelan.exe still running after 15 s" >&2
}
