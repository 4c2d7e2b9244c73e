# Helpers for the end-to-end tests: run the show in a real window under the
# Xvfb that with-xvfb.sh started, press keys, look at the screen.
# The show ignores SIGINT and SIGTERM, so stray runs are ended with KILL.

fail() { echo "FAIL: $*" >&2; [ -n "${pid:-}" ] && kill -KILL "$pid" 2>/dev/null; exit 1; }
pass() { echo "ok: $*"; }

# start_show DIR [ENV=VALUE ...]: starts the show in DIR, waits for its window.
start_show() {
    local dir=$1; shift
    # RUNNER, if set, is a command prefix (say, to run as another user).
    ( cd "$dir" && exec env "$@" ${RUNNER:-} "$SHOW" >"$dir/out" 2>"$dir/err" ) &
    pid=$!
    started=$(date +%s.%N)
    for _ in $(seq 100); do
        if xwininfo -root -tree 2>/dev/null | grep -q ' 160x128+'; then
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || fail "the show exited before its window appeared: $(cat "$dir/out" "$dir/err")"
        sleep 0.05
    done
    fail "no 160x128 window appeared"
}

# wait_exit SECONDS: waits for the show to end; sets status and took.
wait_exit() {
    local limit=$1 t0
    t0=$(date +%s.%N)
    for _ in $(seq $((limit * 20))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"; status=$?
            took=$(echo "$(date +%s.%N) - $t0" | bc)
            pid=
            return 0
        fi
        sleep 0.05
    done
    fail "the show did not end within $limit s"
}

still_running() { kill -0 "$pid" 2>/dev/null; }

press() { xdotool mousemove 80 64 key "$1"; }

# wait_for TEST...: waits up to 5 s for `test TEST...` to hold.
wait_for() {
    for _ in $(seq 100); do
        test "$@" && return 0
        sleep 0.05
    done
    return 1
}

# start_xvfb FILE: starts an X server of the test's own (so that it can be
# killed), sets DISPLAY and `server`; FILE receives the display number.
start_xvfb() {
    Xvfb -displayfd 3 -noreset -nolisten tcp 3>"$1" 2>/dev/null &
    server=$!
    wait_for -s "$1" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$1")"
}
