#!/usr/bin/env bash
# Runs quillmoss-bench and prints the medians as a Markdown table, with each
# draw step's ratio to the plain frame copy measured in the same run.
set -eu
BENCH=${1:-build/quillmoss-bench}
json=$(mktemp)
trap 'rm -f "$json"' EXIT
"$BENCH" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_min_time=0.3 --benchmark_format=json >"$json" 2>/dev/null
python3 - "$json" <<'PY'
import json, sys
runs = {b["run_name"]: b for b in json.load(open(sys.argv[1]))["benchmarks"] if b.get("aggregate_name") == "median"}
def us(b):
    scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[b["time_unit"]]
    return b["real_time"] * scale
floor = us(runs["BM_copy_frame"])
print("| step | median time | ratio to the frame copy |")
print("|---|---|---|")
for name, b in runs.items():
    t = us(b)
    label = name.split("/iterations")[0]
    if name.startswith("BM_draw"):
        print("| %s | %.2f µs | %.0f x |" % (label, t, t / floor))
    elif name.startswith("BM_init"):
        print("| %s | %.0f µs | |" % (label, t))
print("| BM_copy_frame (20480 bytes) | %.3f µs | 1 x |" % floor)
PY
