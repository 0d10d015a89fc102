#!/usr/bin/env bash
# Starts the real program on a virtual X server and waits for the main window to appear
# after the splash; also checks the two ways it must end without a window.
# Usage: smoke_xvfb.sh /path/to/quintelo
set -u

bin=${1:?usage: smoke_xvfb.sh /path/to/quintelo}
window_title=QuinteloVersion2
wait_seconds=15

fail() {
    echo "smoke_xvfb: FAIL: $*" >&2
    exit 1
}

if [ "${2:-}" = "--inside-xvfb" ]; then
    # Runs under xvfb-run: start the program, look for its main window, then end it.
    log=$(mktemp)
    pid=
    cleanup() {
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null
            sleep 0.5
            kill -9 "$pid" 2>/dev/null
        fi
        rm -f "$log"
    }
    trap cleanup EXIT

    env -u QT_QPA_PLATFORM "$bin" >"$log" 2>&1 &
    pid=$!
    deadline=$((SECONDS + wait_seconds))
    while [ "$SECONDS" -lt "$deadline" ]; do
        if ! kill -0 "$pid" 2>/dev/null; then
            cat "$log" >&2
            fail "the program ended before its main window appeared"
        fi
        if xwininfo -root -tree 2>/dev/null | grep -q "\"$window_title\""; then
            echo "smoke_xvfb: main window \"$window_title\" is up"
            exit 0
        fi
        sleep 0.25
    done
    xwininfo -root -tree >&2 2>&1
    cat "$log" >&2
    fail "no window named \"$window_title\" within ${wait_seconds} s"
fi

[ -x "$bin" ] || fail "$bin is not an executable"
command -v xvfb-run >/dev/null || fail "xvfb-run is not installed (package xvfb)"
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

timeout -k 5 60 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$bin" --inside-xvfb
status=$?
[ "$status" -ne 124 ] || fail "the run under Xvfb did not finish"
exit "$status"
