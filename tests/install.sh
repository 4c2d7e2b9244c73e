#!/usr/bin/env bash
# Installs into a temporary prefix and starts the installed show from another
# working folder: the launcher finds the music (no load warning), "m" ends it.
set -u
BUILD=$1
. "$(dirname "$0")/lib.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"; [ -n "${pid:-}" ] && kill -KILL "$pid" 2>/dev/null' EXIT
cmake --install "$BUILD" --prefix "$work/prefix" >/dev/null || fail "cmake --install"
for f in bin/quillmoss bin/quillmoss-capture share/quillmoss/Quillmoss.app/Contents/Resources/fif.mod \
         share/applications/quillmoss.desktop share/icons/hicolor/64x64/apps/quillmoss.png; do
    [ -e "$work/prefix/$f" ] || fail "$f is not installed"
done
grep -q '^Exec=quillmoss$' "$work/prefix/share/applications/quillmoss.desktop" || fail "desktop entry"
echo "ok: installed files in place"

SHOW="$work/prefix/bin/quillmoss"
mkdir "$work/elsewhere"
start_show "$work/elsewhere" SDL_AUDIODRIVER=dummy
sleep 1
press m
wait_exit 3
[ "$status" = 0 ] || fail "status $status"
grep -q "Could not load module" "$work/elsewhere/err" && fail "the installed show did not find its music"
grep -q "Warning" "$work/elsewhere/err" && fail "warnings: $(cat "$work/elsewhere/err")"
echo "ok: the installed show plays its music from another folder and 'm' ends it"
