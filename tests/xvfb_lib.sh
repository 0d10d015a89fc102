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

# Starts the program in the background, its output kept in $log; it is ended when we exit.
start_program() {
    log=$(mktemp)
    trap stop_program EXIT
    env -u QT_QPA_PLATFORM "$bin" >"$log" 2>&1 &
    pid=$!
}

stop_program() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        sleep 0.5
        kill -9 "$pid" 2>/dev/null
    fi
    rm -f "$log"
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
