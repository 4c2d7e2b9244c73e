#!/usr/bin/env bash
# The show in a real window: loading line first, only the four greys on
# screen, quit keys end it with status 0, signals do not, and without a
# display the video-mode message and status 1.
set -u
SHOW=$1
. "$(dirname "$0")/lib.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"; [ -n "${pid:-}" ] && kill -KILL "$pid" 2>/dev/null' EXIT
quiet="SDL_AUDIODRIVER=dummy"

for key in m comma; do
    start_show "$work" $quiet
    sleep 0.7
    [ "$(head -n1 "$work/out")" = "*** Loading... ***" ] || fail "loading line is not first: $(cat "$work/out")"

    if [ "$key" = m ]; then
        geometry=$(xwininfo -root -tree | grep ' 160x128+' | head -n1 | grep -o '160x128+[0-9]*+[0-9]*')
        import -window root -crop "$geometry" "$work/shot.png" || fail "screenshot"
        colours=$(convert "$work/shot.png" -format %c histogram:info:- | grep -o '#[0-9A-F]\{6\}' | sort -u)
        for c in $colours; do
            case $c in '#FFFFFF'|'#C0C0C0'|'#808080'|'#000000') ;; *) fail "colour $c on screen" ;; esac
        done
        [ -n "$colours" ] || fail "no colours read from the screenshot"
        pass "screen shows only the four greys ($(echo $colours | wc -w) of them)"

        kill -INT "$pid"; kill -TERM "$pid"; sleep 0.5
        still_running || fail "a signal ended the show"
        pass "SIGINT and SIGTERM are ignored"
    fi

    press "$key"
    wait_exit 3
    [ "$status" = 0 ] || fail "status $status after '$key'"
    [ "$(echo "$took < 1" | bc)" = 1 ] || fail "'$key' took $took s to end the show"
    pass "'$key' ends the show with status 0 in $took s"
done

# No reachable display: SDL must not fall back to a text-mode driver here.
( cd "$work" && SDL_VIDEODRIVER=x11 DISPLAY=:59999 timeout -k 1 10 "$SHOW" >"$work/out" 2>"$work/err" )
status=$?
[ "$status" = 1 ] || fail "status $status without a display"
grep -q '^Could not set 160x128x8 video mode: ' "$work/out" || fail "no video-mode message on stdout: $(cat "$work/out")"
grep -q 'Warning' "$work/err" && fail "music was set up after the display failed"
pass "no display: message on stdout, status 1"
