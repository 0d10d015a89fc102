# Shared by the tests that run the real program on a virtual X server without a window manager.
# The sourcing script sets name and bin first.
wait_seconds=15
pid=
log=

fail() {
    echo "$name: FAIL: $*" >&2
    exit 1
}

# Runs the calling script again under xvfb-run with --inside-xvfb and its arguments, for at most
# $1 seconds.
rerun_inside_xvfb() {
    local limit=$1
    shift
    timeout -k 5 "$limit" xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@" --inside-xvfb
    local status=$?
    [ "$status" -ne 124 ] || fail "the run under Xvfb did not finish"
    exit "$status"
}

# Starts a program (the one under test unless named) in the background in a folder (the current
# one unless named); stop_program ends it, and the caller's exit trap must call it.
start_program() {
    log=$(mktemp)
    (cd "${2:-$PWD}" && exec env -u QT_QPA_PLATFORM "${1:-$bin}") >"$log" 2>&1 &
    pid=$!
}

stop_program() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && sleep 0.5 && kill -9 "$pid" 2>/dev/null
    rm -f "$log"
    pid=
}

# Repeats the command until it succeeds, for at most wait_seconds; the program must stay up.
wait_for() {
    local deadline=$((SECONDS + wait_seconds))
    while [ "$SECONDS" -lt "$deadline" ]; do
        kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; fail "the program ended while waiting"; }
        "$@" && return 0
        sleep 0.2
    done
    return 1
}

visible_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

is_visible() {
    [ -n "$(visible_window "$1")" ]
}

# Waits until the named window is visible; prints its id.
await_window() {
    wait_for is_visible "$1" && visible_window "$1"
}

# Gives the window the keyboard (without a window manager nobody else does), then presses keys.
press_in() {
    local window=$1
    shift
    timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    sleep 0.3
    xdotool key --clearmodifiers "$@"
}
