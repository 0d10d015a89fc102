# Shared by the tests that run the real program on a virtual X server. The sourcing script
# sets name and bin first.
wait_seconds=15
pid=
log=

fail() {
    echo "$name: FAIL: $*" >&2
    exit 1
}

need_xvfb() {
    [ -x "$bin" ] || fail "$bin is not an executable"
    command -v xvfb-run >/dev/null || fail "xvfb-run is not installed (package xvfb)"
}

# Runs the calling script again under xvfb-run with --inside-xvfb, for at most $1 seconds.
rerun_inside_xvfb() {
    timeout -k 5 "$1" xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$bin" --inside-xvfb
    local status=$?
    [ "$status" -ne 124 ] || fail "the run under Xvfb did not finish"
    exit "$status"
}

# Starts a program (the one under test unless named) in the background in a folder (the
# current one unless named), its output kept in $log; it is ended by stop_program or when we
# exit.
start_program() {
    local program=${1:-$bin} folder=${2:-$PWD}
    log=$(mktemp)
    trap stop_program EXIT
    (cd "$folder" && exec env -u QT_QPA_PLATFORM "$program") >"$log" 2>&1 &
    pid=$!
}

stop_program() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        sleep 0.5
        kill -9 "$pid" 2>/dev/null
    fi
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

# Prints the id of the visible window with exactly this name, if there is one.
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

# Gives the window the keyboard (without a window manager nobody else does), then presses the
# keys.
press_in() {
    local window=$1
    shift
    timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    sleep 0.3
    xdotool key --clearmodifiers "$@"
}
