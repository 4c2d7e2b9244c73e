#!/usr/bin/env bash
# The module file is the show's only input. Whatever lies at its path —
# nothing, an empty file, a folder, an unreadable file, random bytes, a real
# module cut short at many lengths, a huge file — the show prints libmikmod's
# reason when it cannot load it, runs, and ends on "m" with status 0.
set -u
SHOW=$1 COMPOSE=$2
. "$(dirname "$0")/lib.sh"
work=$(mktemp -d)
chmod 755 "$work"
trap 'rm -rf "$work"; [ -n "${pid:-}" ] && kill -KILL "$pid" 2>/dev/null' EXIT
res="$work/Quillmoss.app/Contents/Resources"
mod="$res/fif.mod"
mkdir -p "$res"
"$COMPOSE" "$work/song.mod" || fail compose
size=$(stat -c %s "$work/song.mod")

# Deterministic "random" bytes from bash's seeded generator.
random_bytes() {  # count
    RANDOM=$2
    local i out=""
    for ((i = 0; i < $1; i++)); do out+=$(printf '\\x%02x' $((RANDOM & 255))); done
    printf "$out"
}

tried=0 loaded=0 refused=0
run_case() {  # name, must_refuse (1/0), [runner prefix...]
    local name=$1 must=$2; shift 2
    start_show "$work" SDL_AUDIODRIVER=dummy HOME="$work" "$@"
    sleep 1
    still_running || fail "$name: the show stopped: $(cat "$work/err")"
    press m
    wait_exit 3
    [ "$status" = 0 ] || fail "$name: status $status: $(cat "$work/err")"
    tried=$((tried + 1))
    if grep -q '^Warning: Could not load module (.\+)$' "$work/err"; then
        refused=$((refused + 1))
        echo "ok: $name: $(grep Warning "$work/err")"
    else
        [ "$must" = 1 ] && fail "$name: no load warning: $(cat "$work/err")"
        loaded=$((loaded + 1))
        echo "ok: $name: loaded and played"
    fi
}

rm -f "$mod"; run_case "missing" 1
: >"$mod"; run_case "empty" 1
rm "$mod"; mkdir "$mod"; run_case "a folder" 1; rmdir "$mod"
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
    cp "$work/song.mod" "$mod"; chmod 000 "$mod"; chmod -R a+rX "$work/Quillmoss.app"; chmod 000 "$mod"
    RUNNER="setpriv --reuid=65534 --regid=65534 --clear-groups" run_case "unreadable (as nobody)" 1
    chmod 644 "$mod"
else
    cp "$work/song.mod" "$mod"; chmod 000 "$mod"; run_case "unreadable" 1; chmod 644 "$mod"
fi
random_bytes 3000 7 >"$mod"; run_case "random bytes" 1
# Random bytes behind a real header, so the ProTracker loader reads them.
{ head -c 1084 "$work/song.mod"; random_bytes 3000 11; } >"$mod"; run_case "real header, random patterns" 0
{ head -c 950 "$work/song.mod"; random_bytes 130 13; printf 'M.K.'; random_bytes 2000 17; } >"$mod"
run_case "random order table" 0
for len in 1 20 600 951 1083 1084 1085 2108 5000 $((size / 2)) $((size - 1)); do
    head -c "$len" "$work/song.mod" >"$mod"
    run_case "cut to $len of $size bytes" 0
done
rm -f "$mod"; truncate -s 2G "$mod"; run_case "2 GiB of zeros" 1
cp "$work/song.mod" "$mod"; truncate -s 1G "$mod"; run_case "the song padded to 1 GiB" 0
rm -f "$mod"
echo "ok: $tried inputs: $refused refused with a warning, $loaded loaded; no crash, every run ended on 'm' with status 0"
