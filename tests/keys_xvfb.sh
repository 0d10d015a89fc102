#!/usr/bin/env bash
# Runs the real program: --version, and one line on stderr without a display; then on a virtual
# X server with no window manager, from the keyboard alone, a save that fails must leave the main
# window's keys alive; Ctrl+X, then Esc answers No and the program goes on; Ctrl+X, then Enter
# answers Yes and it ends without a second question.
# Usage: keys_xvfb.sh /path/to/quintelo
set -u

name=keys_xvfb
bin=${1:?usage: keys_xvfb.sh /path/to/quintelo}
main_title=QuinteloVersion2
question_title=Quintelo
source "$(dirname "$0")/xvfb_lib.sh"

if [ "${2:-}" = "--inside-xvfb" ]; then
    trap stop_program EXIT
    start_program
    main=$(await_window "$main_title") || fail "no main window within ${wait_seconds} s"

    press_in "$main" alt+s
    await_window "方向幕画像の保存" >/dev/null || fail "Alt+S opened no save dialog"
    xdotool type --delay 20 "/no-such-folder/plate.gif"
    xdotool key Return
    await_window "$question_title" >/dev/null || fail "the failed save told nothing"
    # From here on no window is given the keyboard by hand: the program must take it back.
    xdotool key Return
    wait_for sh -c "! xdotool search --onlyvisible --name '^$question_title\$' >/dev/null" ||
        fail "the failure message stayed open"
    sleep 0.5
    xdotool key ctrl+x
    question=$(await_window "$question_title") ||
        fail "after the failed save Ctrl+X asked nothing: the main window lost the keyboard"
    xdotool key Escape
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "answering No ended the program"
    is_visible "$question_title" && fail "the question stayed open after No"

    xdotool key ctrl+x
    await_window "$question_title" >/dev/null || fail "the second Ctrl+X asked no question"
    xdotool key Return
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
    echo "keys_xvfb: the keys lived on after a failed save; No kept the program, Yes ended it"
    exit 0
fi

[ "$(timeout 10 "$bin" --version)" = "Quintelo 2.02.0005" ] || fail "--version"
errors=$(timeout 10 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin" 2>&1 >/dev/null)
[ $? -eq 1 ] && [ "$(printf '%s\n' "$errors" | wc -l)" -eq 1 ] ||
    fail "without a display the program did not end with one line: $errors"
rerun_inside_xvfb 90 "$bin"
