#!/usr/bin/env bash
# Leaves the real program from the keyboard on a virtual X server: Ctrl+X, then Esc answers
# No and the program must go on; Ctrl+X, then Enter answers Yes and it must end at once,
# without a second question.
# Usage: exit_xvfb.sh /path/to/quintelo
set -u

bin=${1:?usage: exit_xvfb.sh /path/to/quintelo}
main_title=QuinteloVersion2
question_title=Quintelo
wait_seconds=15

fail() {
    echo "exit_xvfb: FAIL: $*" >&2
    exit 1
}

# Prints the id of the visible window with exactly this name, if there is one.
visible_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

# Waits until the named window is visible; prints its id.
await_window() {
    local deadline=$((SECONDS + wait_seconds)) id
    while [ "$SECONDS" -lt "$deadline" ]; do
        kill -0 "$pid" 2>/dev/null || fail "the program ended while waiting for \"$1\""
        id=$(visible_window "$1")
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# Gives the window the keyboard; without a window manager nobody else does.
press_in() {
    timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
    sleep 0.3
    xdotool key --clearmodifiers "$2"
}

if [ "${2:-}" = "--inside-xvfb" ]; then
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

    main=$(await_window "$main_title") || fail "no main window within ${wait_seconds} s"

    press_in "$main" ctrl+x
    question=$(await_window "$question_title") || fail "Ctrl+X asked no question"
    press_in "$question" Escape
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "answering No ended the program"
    [ -z "$(visible_window "$question_title")" ] || fail "the question stayed open after No"
    [ -n "$(visible_window "$main_title")" ] || fail "the main window went away after No"

    press_in "$main" ctrl+x
    question=$(await_window "$question_title") || fail "the second Ctrl+X asked no question"
    press_in "$question" Return

    deadline=$((SECONDS + wait_seconds))
    while kill -0 "$pid" 2>/dev/null; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            [ -n "$(visible_window "$question_title")" ] && fail "Yes was followed by a second question"
            fail "the program did not end within ${wait_seconds} s of answering Yes"
        fi
        sleep 0.2
    done
    wait "$pid"
    status=$?
    pid=
    [ "$status" -eq 0 ] || { cat "$log" >&2; fail "the program exited with status $status"; }
    echo "exit_xvfb: Ctrl+X and No kept the program; Ctrl+X and Enter ended it"
    exit 0
fi

[ -x "$bin" ] || fail "$bin is not an executable"
command -v xvfb-run >/dev/null || fail "xvfb-run is not installed (package xvfb)"
if ! command -v xdotool >/dev/null; then
    echo "exit_xvfb: SKIP: xdotool is not installed (package xdotool)"
    exit 77
fi

timeout -k 5 90 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$bin" --inside-xvfb
status=$?
[ "$status" -ne 124 ] || fail "the run under Xvfb did not finish"
exit "$status"
