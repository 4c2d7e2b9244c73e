#!/usr/bin/env bash
# Frames per second of the show in a real window under Xvfb, per scene, with
# the real present_frame, beside the ceiling of a loop that only sleeps 1 ms
# and flips. Silent (no module in the working folder), so that the music's
# output does not set the pace; SDL_AUDIODRIVER=dummy adds the music.
#   bench/window_fps.sh [BUILD] [SECONDS]
set -eu
BUILD=$(readlink -f "${1:-build}")
SECONDS_TO_RUN=${2:-162}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
here=$(dirname "$(readlink -f "$0")")
export FLIPCOUNT_OUT="$work/flips"

"$here/../tests/with-xvfb.sh" bash -c "
    cd '$work' && LD_PRELOAD='$BUILD/libflipcount.so' '$BUILD/quillmoss' >/dev/null 2>&1 &
    pid=\$!
    sleep $SECONDS_TO_RUN
    xdotool mousemove 80 64 key m
    wait \$pid
    '$BUILD/flip_ceiling' 5 > '$work/ceiling'
"
awk -v ceiling="$(grep -o '[0-9.]* fps' "$work/ceiling")" '
    BEGIN {
        split("plasma flower_tunnel bars rotozoom trails twister dots halfres_tunnel credits", name, " ")
        split("0 15340 30680 46020 61360 92040 107380 138060 153400 1e12", start, " ")
        print "| scene | frames per second in the window |"
        print "|---|---|"
    }
    /^startup/ { startup = $2 }
    /^flip/ {
        t = $2
        for (i = 1; i <= 9; i++) if (t >= start[i] && t < start[i + 1]) { n[i]++; last[i] = t; if (!(i in first)) first[i] = t }
    }
    END {
        for (i = 1; i <= 9; i++) if (n[i] > 1) printf "| %s | %.0f |\n", name[i], (n[i] - 1) * 1000 / (last[i] - first[i])
        printf "| ceiling: sleep 1 ms and flip only | %s |\n", ceiling
        printf "\nStart-up to the first presented frame: %.0f ms\n", startup
    }' "$work/flips"
