#!/usr/bin/env bash
# The show's music through a real PulseAudio server (user mode, a null
# sink): the song's end and a quit key both end the show with status 0, and
# the shutdown (window closed before the player stops) neither hangs nor
# crashes.
set -u
SHOW=$1 COMPOSE=$2
. "$(dirname "$0")/lib.sh"
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/xdg"
mkdir -m 700 "$XDG_RUNTIME_DIR"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    -L module-native-protocol-unix -L "module-null-sink sink_name=quillmoss_null" \
    --log-target=file:"$work/pulse.log" &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$work"; [ -n "${pid:-}" ] && kill -KILL "$pid" 2>/dev/null' EXIT
wait_for -S "$XDG_RUNTIME_DIR/pulse/native" || fail "PulseAudio did not start: $(cat "$work/pulse.log")"
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"

res="$work/Quillmoss.app/Contents/Resources"
mkdir -p "$res"
"$COMPOSE" --patterns 2 "$res/fif.mod" || fail "compose"

start_show "$work"
wait_exit 25
elapsed=$(echo "$(date +%s.%N) - $started" | bc)
[ "$status" = 0 ] || fail "status $status at the song's end"
[ "$(echo "$elapsed > 15.2 && $elapsed < 17.5" | bc)" = 1 ] || fail "the show ended after $elapsed s"
grep -q Warning "$work/err" && fail "sound did not start: $(cat "$work/err")"
pass "PulseAudio: the song's end ends the show after $elapsed s, status 0"

start_show "$work"
sleep 3
press comma
wait_exit 3
[ "$status" = 0 ] || fail "status $status"
pass "PulseAudio: ',' during the song ends it in $took s, status 0"
