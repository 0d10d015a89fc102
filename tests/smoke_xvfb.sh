#!/usr/bin/env bash
# Starts the real program on a virtual X server and waits for the main window to appear
# after the splash; also checks the two ways it must end without a window.
# Usage: smoke_xvfb.sh /path/to/quintelo
set -u

name=smoke_xvfb
bin=${1:?usage: smoke_xvfb.sh /path/to/quintelo}
window_title=QuinteloVersion2
source "$(dirname "$0")/xvfb_lib.sh"

window_up() {
    xwininfo -root -tree 2>/dev/null | grep -q "\"$window_title\""
}

if [ "${2:-}" = "--inside-xvfb" ]; then
    start_program
    if wait_for window_up; then
        echo "smoke_xvfb: main window \"$window_title\" is up"
        exit 0
    fi
    xwininfo -root -tree >&2 2>&1
    cat "$log" >&2
    fail "no window named \"$window_title\" within ${wait_seconds} s"
fi

need_xvfb
command -v xwininfo >/dev/null || fail "xwininfo is not installed (package x11-utils)"

version=$(timeout 10 "$bin" --version) || fail "--version exited with status $?"
[ "$version" = "Quintelo 2.02.0005" ] || fail "--version printed \"$version\""

errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
timeout 10 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin" >/dev/null 2>"$errors"
status=$?
[ "$status" -ne 124 ] || fail "without a display the program did not end"
[ "$status" -ne 0 ] || fail "without a display the program exited with status 0"
lines=$(wc -l <"$errors")
[ "$lines" -eq 1 ] || { cat "$errors" >&2; fail "without a display stderr had $lines lines, not 1"; }

rerun_inside_xvfb 60
