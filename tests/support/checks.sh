# Shared by the shell tests (sourced): counted PASS/FAIL lines, polling, and
# an X session of their own.

failures=0
passes=0

check() { # description, expected, actual
    if [ "$2" == "$3" ]; then
        passes=$((passes + 1))
        echo "PASS: $1"
    else
        failures=$((failures + 1))
        echo "FAIL: $1: expected \"$2\", got \"$3\""
    fi
}

# Ends the test as failed; a test may define fatal_details to show its logs first.
fatal() {
    echo "FAIL: $*"
    if declare -F fatal_details >/dev/null; then fatal_details; fi
    echo "$passes passed, $((failures + 1)) failed"
    exit 1
}

# The closing line and the exit status.
finish() {
    echo "$passes passed, $failures failed"
    [ "$failures" -eq 0 ]
}

# Polls a command every poll_interval seconds (0.1) until it succeeds, at
# most poll_tries times (100).
poll() {
    local n
    for n in $(seq "${poll_tries:-100}"); do
        "$@" && return 0
        sleep "${poll_interval:-0.1}"
    done
    return 1
}

# Xvfb on a display number of its own (the server picks a free one and
# reports it) and openbox on it; sets DISPLAY, xvfb_pid and wm_pid. Logs go
# to $work.
start_x_session() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    poll test -s "$work/display" || fatal "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$work/display")"
    openbox >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    poll sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' || fatal "openbox did not start"
}
