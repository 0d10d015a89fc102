#!/usr/bin/env bash
# Leaves the real program from the keyboard on a virtual X server: Ctrl+X, then Esc answers
# No and the program must go on; Ctrl+X, then Enter answers Yes and it must end at once,
# without a second question.
# Usage: exit_xvfb.sh /path/to/quintelo
set -u

name=exit_xvfb
bin=${1:?usage: exit_xvfb.sh /path/to/quintelo}
main_title=QuinteloVersion2
question_title=Quintelo
source "$(dirname "$0")/xvfb_lib.sh"

if [ "${2:-}" = "--inside-xvfb" ]; then
    start_program
    main=$(await_window "$main_title") || fail "no main window within ${wait_seconds} s"

    press_in "$main" ctrl+x
    question=$(await_window "$question_title") || fail "Ctrl+X asked no question"
    press_in "$question" Escape
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "answering No ended the program"
    is_visible "$question_title" && fail "the question stayed open after No"
    is_visible "$main_title" || fail "the main window went away after No"

    press_in "$main" ctrl+x
    question=$(await_window "$question_title") || fail "the second Ctrl+X asked no question"
    press_in "$question" Return

    deadline=$((SECONDS + wait_seconds))
    while kill -0 "$pid" 2>/dev/null; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            is_visible "$question_title" && fail "Yes was followed by a second question"
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

need_xvfb
if ! command -v xdotool >/dev/null; then
    echo "exit_xvfb: SKIP: xdotool is not installed (package xdotool)"
    exit 77
fi
rerun_inside_xvfb 90
