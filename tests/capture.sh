#!/usr/bin/env bash
# quillmoss-capture: sequences and their sound match --from, --to and --fps,
# captures repeat byte for byte, a sequence frame equals the single-frame
# capture at the same time (but for the trails, whose ring follows the call
# count), and bad input gets a message, a non-zero status and no files.
set -u
CAPTURE=$1 COMPOSE=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'chmod -R u+rwx "$work"; rm -rf "$work"' EXIT
cd "$work"
mkdir -p Quillmoss.app/Contents/Resources
"$COMPOSE" Quillmoss.app/Contents/Resources/fif.mod || fail compose

# 2000 ms at 60 fps: 120 frames; the sound exactly 2 s.
"$CAPTURE" --fps 60 --from 30000 --to 32000 -o a --audio a.wav 2>log >cmd || fail "capture: $(cat log)"
[ "$(ls a | wc -l)" = 120 ] || fail "$(ls a | wc -l) frames for 2000 ms at 60 fps"
[ -f a/frame-00000.png ] && [ -f a/frame-00119.png ] || fail "frame names"
[ "$(soxi -s a.wav)" = 88200 ] || fail "WAV has $(soxi -s a.wav) samples for 2000 ms"
[ "$(soxi -r a.wav)" = 44100 ] && [ "$(soxi -c a.wav)" = 2 ] || fail "WAV is not 44100 Hz stereo"
grep -q '^ffmpeg .*a/frame-%05d.png.*a.wav' cmd || fail "no ffmpeg command: $(cat cmd)"
[ "$(sox a.wav -n stats 2>&1 | awk '/^RMS lev dB/ {print ($4 > -60)}')" = 1 ] || fail "the WAV is silent"
echo "ok: 120 frames and 88200 sound frames for 2000 ms at 60 fps"

"$CAPTURE" --fps 60 --from 30000 --to 32000 -o b --audio b.wav 2>/dev/null >/dev/null || fail capture
diff -r a b >/dev/null || fail "two captures of the same frames differ"
cmp -s a.wav b.wav || fail "two captures of the same sound differ"
echo "ok: captures repeat byte for byte"

"$CAPTURE" --fps 7 --from -1000 --to 1000 --scale 2 -o c --audio c.wav 2>/dev/null >/dev/null || fail capture
[ "$(ls c | wc -l)" = 14 ] || fail "$(ls c | wc -l) frames for 2000 ms at 7 fps"
[ "$(soxi -s c.wav)" = 88200 ] || fail "negative start: $(soxi -s c.wav) samples"
[ "$(identify -format %wx%h c/frame-00000.png)" = 320x256 ] || fail "scale 2 size"
echo "ok: odd rates, negative times and scaling"

# Frame n of a sequence is the frame that --at draws at from + n * 1000 / fps.
"$CAPTURE" --fps 3 --from 0 --to 161070 -o seq >/dev/null 2>&1 || fail capture
checked=0
for n in 0 1 40 45 70 100 130 150 200 250 300 330 380 420 459 460 470; do
    t=$(( n * 1000 / 3 ))
    "$CAPTURE" --at $t -o one >/dev/null 2>&1 || fail "--at $t"
    printf -v name 'seq/frame-%05d.png' $n
    if [ $t -ge 61360 ] && [ $t -le 92039 ]; then continue; fi  # the trails
    cmp -s one.png "$name" || fail "frame $n differs from --at $t"
    checked=$((checked + 1))
done
echo "ok: $checked sequence frames equal their single captures"

expect_error() {  # status, then the arguments
    local want=$1; shift
    "$CAPTURE" "$@" >out 2>err
    local got=$?
    [ "$got" = "$want" ] || fail "'$*' gave status $got, not $want"
    [ -s err ] || fail "'$*' printed no message"
}
expect_error 2 --bogus -o x
expect_error 2 --fps 0 -o x
expect_error 2 --fps 1001 -o x
expect_error 2 --fps 10x -o x
expect_error 2 --from 5000 --to 4000 -o x
expect_error 2 --at 0
expect_error 2 --at 0 -o x --scale 17
expect_error 2 --at 99999999999 -o x
touch plainfile
expect_error 1 --to 100 -o plainfile/sub
mkdir locked && chmod 500 locked
if [ "$(id -u)" != 0 ]; then expect_error 1 --to 100 -o locked/sub; fi
expect_error 1 --to 100 -o d --audio missing-dir/s.wav
[ -e missing-dir/s.wav ] || [ -e missing-dir/s.wav.part ] && fail "a half WAV was left"
expect_error 1 --at 0 -o missing-dir/frame
ls missing-dir 2>/dev/null | grep -q . && fail "a partial frame file was left"
echo "ok: bad input gets a message and a non-zero status, and leaves no files"

# Without the song, a sequence ends with the credits.
mv Quillmoss.app away.app
"$CAPTURE" --fps 1 --from 155000 -o tail >/dev/null 2>&1 || fail capture
[ "$(ls tail | wc -l)" = 7 ] || fail "$(ls tail | wc -l) frames from 155000 to 161070 at 1 fps"
expect_error 1 --to 100 -o e --audio e.wav
[ -e e.wav ] && fail "a WAV without a song"
echo "ok: without a song the capture ends at 161070 ms"
