#!/usr/bin/env bash
# Faults around the show: the X server going away while it runs (a clear
# message or a clean end, no hang, no crash), and a short windowed run under
# valgrind with nothing definitely lost from the program's own code.
set -u
SHOW=$1 SRC=$2
. "$(dirname "$0")/lib.sh"
work=$(mktemp -d)
trap 'kill -KILL ${server:-} 2>/dev/null; rm -rf "$work"; [ -n "${pid:-}" ] && kill -KILL "$pid" 2>/dev/null' EXIT

# A server of our own, so that it can be killed under the show.
start_xvfb "$work/display"
start_show "$work" SDL_AUDIODRIVER=dummy
sleep 1
kill -KILL "$server"; wait "$server" 2>/dev/null; server=
wait_exit 5
[ "$status" -lt 128 ] || fail "the show died of signal $((status - 128)) when the display went away"
[ -s "$work/err" ] || [ "$status" = 0 ] || fail "status $status and no message"
echo "ok: display gone: the show ended in $took s with status $status: $(grep -v '^ALSA' "$work/err" | tail -n 1)"

# Leaks: a few seconds of the show in a window under valgrind, silent (no
# module here), ended by "m". The scenes' tables and text bitmaps live for
# the whole run by design and stay reachable; nothing of the program's own
# may be definitely lost.
start_xvfb "$work/display2"
RUNNER="valgrind --leak-check=full --show-leak-kinds=definite --log-file=$work/valgrind.txt" \
    start_show "$work" SDL_AUDIODRIVER=dummy
sleep 3
press m
wait_exit 60
[ "$status" = 0 ] || fail "status $status under valgrind"
grep -q 'ERROR SUMMARY' "$work/valgrind.txt" || fail "valgrind did not report"
# A leak is the program's own when the call that allocated the block (the
# first frame after the allocator) is in the program itself.
ours=$(sed 's/^==[0-9]*== \{0,1\}//' "$work/valgrind.txt" | awk -v show="$SHOW" -v src="$SRC" '
    BEGIN { RS = "" }
    /definitely lost/ {
        n = split($0, line, "\n")
        for (i = 1; i <= n; i++) if (line[i] ~ /^ *by /) { caller = line[i]; break }
        if (index(caller, show) || index(caller, src)) print
    }')
[ -z "$ours" ] || fail "definitely lost from the program's own code: $ours"
definite=$(grep -o 'definitely lost: [0-9,]* bytes' "$work/valgrind.txt" | head -n1)
echo "ok: valgrind: nothing of the program's own definitely lost (in all: ${definite:-none})"
