#!/usr/bin/env bash
# Runs a command against a private Xvfb server: with-xvfb.sh CMD [ARGS...]
# -noreset keeps the server alive between client connections (without it a
# second SDL connection fails now and then).
set -u
fdfile=$(mktemp)
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 640x480x24 3>"$fdfile" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -f "$fdfile"' EXIT
for _ in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.05
done
display=$(head -n1 "$fdfile")
if [ -z "$display" ]; then
    echo "with-xvfb: Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$display"
"$@"
