#!/usr/bin/env bash
# The show with its music, in a real window: a short song ends the show by
# itself; a quit key ends it while the song plays; a missing or unreadable
# module, or no sound device, gives its warning and a silent show.
# SDL_AUDIODRIVER=dummy makes libmikmod's SDL output play in real time
# without a sound device.
set -u
SHOW=$1 COMPOSE=$2
. "$(dirname "$0")/lib.sh"
work=$(mktemp -d)
trap 'chmod -R u+rwx "$work"; rm -rf "$work"; [ -n "${pid:-}" ] && kill -KILL "$pid" 2>/dev/null' EXIT
res="$work/Quillmoss.app/Contents/Resources"
mkdir -p "$res"
"$COMPOSE" --patterns 2 "$res/fif.mod" || fail "compose"

# The song is 2 x 7.68 = 15.36 s and nothing else ends the show.
start_show "$work" SDL_AUDIODRIVER=dummy
wait_exit 25
elapsed=$(echo "$(date +%s.%N) - $started" | bc)
[ "$status" = 0 ] || fail "status $status at the song's end"
[ "$(echo "$elapsed > 15.2 && $elapsed < 17.5" | bc)" = 1 ] || fail "the show ended after $elapsed s"
[ -s "$work/err" ] && fail "warnings with a playable song: $(cat "$work/err")"
pass "the song's end ends the show after $elapsed s, status 0"

start_show "$work" SDL_AUDIODRIVER=dummy
sleep 2
press m
wait_exit 3
[ "$status" = 0 ] || fail "status $status"
[ "$(echo "$took < 1" | bc)" = 1 ] || fail "'m' took $took s during the song"
pass "'m' during the song ends it in $took s"

check_silent_show() {  # what, expected warning
    start_show "$work" SDL_AUDIODRIVER="$2"
    sleep 1.5
    still_running || fail "$1: the show stopped"
    press m
    wait_exit 3
    [ "$status" = 0 ] || fail "$1: status $status"
    grep -q "^$3" "$work/err" || fail "$1: expected '$3', got: $(cat "$work/err")"
}

rm "$res/fif.mod"
check_silent_show "missing module" dummy "Warning: Could not load module ("
pass "missing module: load warning, silent show, 'm' ends it"

mkdir "$res/fif.mod"
check_silent_show "a folder at the module path" dummy "Warning: Could not load module ("
rmdir "$res/fif.mod"
pass "unreadable module (a folder): load warning, silent show"

"$COMPOSE" --patterns 2 "$res/fif.mod"
# No usable output: SDL's audio has no such driver, no sound server or card.
PULSE_SERVER=unix:/nonexistent check_silent_show "no sound device" no-such-driver "Warning: Could not initialize sound ("
grep -q "Could not load module" "$work/err" && fail "a load was attempted after a failed init"
pass "no sound device: init warning, no load attempt"
