#!/usr/bin/env bash
# Runs the real program: --version, and one line on stderr without a display; then on a virtual
# X server with no window manager, from the keyboard alone: a save that fails must leave the main
# window's keys alive; Ctrl+X, then Esc answers No and the program goes on; Ctrl+X, then Enter
# answers Yes and it ends without a second question.
# Usage: QUINTELO_VERSION=<version> keys_xvfb.sh /path/to/quintelo
set -u
bin=${1:?usage: keys_xvfb.sh /path/to/quintelo}
version=${QUINTELO_VERSION:?the version the build was configured with}
pid=
fail() {
    echo "keys_xvfb: FAIL: $*" >&2
    exit 1
}
# Waits up to 15 s for a visible window of exactly this name, or with --gone for none.
await() {
    local gone= deadline=$((SECONDS + 15))
    [ "$1" = --gone ] && gone=1 && shift
    while [ "$SECONDS" -lt "$deadline" ]; do
        kill -0 "$pid" 2>/dev/null || fail "the program ended while waiting for $1"
        found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$gone$found" ] && [ -z "$gone" -o -z "$found" ] && return 0
        sleep 0.2
    done
    return 1
}

if [ "${2:-}" = --inside-xvfb ]; then
    # Its autosave and settings in a throw-away home: a run killed part-way must not leave the
    # next run a question about recovering its work.
    home=$(mktemp -d)
    env -u QT_QPA_PLATFORM XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" "$bin" \
        >/dev/null 2>&1 &
    pid=$!
    trap 'kill -9 $pid 2>/dev/null; rm -rf "$home"' EXIT
    await QuinteloVersion2 || fail "no main window"
    # The one time a window is given the keyboard by hand: at start nobody else does.
    xdotool windowfocus --sync "$found" && sleep 0.3 && xdotool key alt+s
    await 方向幕画像の保存 || fail "Alt+S opened no save dialog"
    xdotool type --delay 20 "/no-such-folder/plate.gif" && xdotool key Return
    await Quintelo || fail "the failed save told nothing"
    xdotool key Return
    await --gone Quintelo || fail "the failure message stayed open"
    sleep 0.5
    xdotool key ctrl+x
    await Quintelo || fail "after the failed save the main window had lost the keyboard"
    xdotool key Escape
    sleep 1
    await --gone Quintelo || fail "the question stayed open after No"
    xdotool key ctrl+x
    await Quintelo || fail "the second Ctrl+X asked no question"
    xdotool key Return
    for _ in $(seq 75); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    kill -0 "$pid" 2>/dev/null && fail "the program did not end after Yes"
    wait "$pid" || fail "the program exited with status $?"
    echo "keys_xvfb: the keys lived on after a failed save; No kept the program, Yes ended it"
    exit 0
fi

# The version as the program has always shown it: the minor number in two digits, the last in four.
[[ $version =~ ^[0-9]+\.[0-9]{2}\.[0-9]{4}$ ]] || fail "the version $version is not in the form 2.02.0005"
[ "$(timeout 10 "$bin" --version)" = "Quintelo $version" ] || fail "--version"
errors=$(timeout 10 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin" 2>&1 >/dev/null)
[ $? -eq 1 ] && [ "$(printf '%s\n' "$errors" | wc -l)" -eq 1 ] ||
    fail "without a display the program did not end with one line: $errors"
timeout -k 5 90 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$bin" --inside-xvfb
