#!/usr/bin/env bash
# The soundtrack: libmikmod reads it as a 4-channel ProTracker song of 21
# positions lasting 161.0..161.6 s; an independent player agrees; the mix
# neither clips nor is faint; the composer writes the same bytes every time.
set -u
COMPOSE=$1 PROBE=$2 MODULE=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$PROBE" "$MODULE" "$work/mikmod.wav" >"$work/info" || fail "libmikmod cannot play it"
grep -qi '^type=protracker' "$work/info" || fail "type: $(cat "$work/info")"
grep -qx 'channels=4' "$work/info" || fail "channels: $(cat "$work/info")"
grep -qx 'positions=21' "$work/info" || fail "positions: $(cat "$work/info")"
len=$(soxi -D "$work/mikmod.wav")
[ "$(echo "$len >= 161.0 && $len <= 161.6" | bc)" = 1 ] || fail "libmikmod length $len s"
echo "ok: libmikmod: $(tr '\n' ' ' <"$work/info") length $len s"

timeout 300 xmp --norc --nocmd -d wav -o "$work/xmp.wav" "$MODULE" >"$work/xmp.log" 2>&1 || fail "xmp cannot read it"
xlen=$(soxi -D "$work/xmp.wav")
[ "$(echo "d = $xlen - $len; d < 0.2 && d > -0.2" | bc)" = 1 ] || fail "xmp length $xlen s vs libmikmod $len s"
echo "ok: xmp agrees: $xlen s"

stats=$(sox "$work/mikmod.wav" -n stats 2>&1)
peak=$(echo "$stats" | awk '/^Pk lev dB/ {print $4}')
rms=$(echo "$stats" | awk '/^RMS lev dB/ {print $4}')
[ "$(echo "$peak < 0" | bc)" = 1 ] || fail "peak $peak dBFS clips"
[ "$(echo "$rms > -26" | bc)" = 1 ] || fail "RMS $rms dBFS is faint"
echo "ok: peak $peak dBFS, RMS $rms dBFS"

"$COMPOSE" "$work/a.mod" && "$COMPOSE" "$work/b.mod" || fail "compose"
cmp -s "$work/a.mod" "$work/b.mod" || fail "two runs differ"
cmp -s "$work/a.mod" "$MODULE" || fail "the built soundtrack differs from a fresh composition"
echo "ok: the same bytes on every run"
