#!/bin/bash
# Builds the panel benchmark in release, runs it, and prints each case's time
# per frame and its ratio to a plain memory copy of the panel picture.
# Usage: benchmarks/run.sh [extra Google Benchmark options]
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release --target panel_benchmark >/dev/null
result=$(mktemp)
trap 'rm -f "$result"' EXIT
build/release/bin/panel_benchmark --benchmark_format=json --benchmark_repetitions=9 \
  --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true "$@" >"$result"

python3 - "$result" <<'PY'
import json, sys
report = json.load(open(sys.argv[1]))
medians = {}
extra = {}
for run in report["benchmarks"]:
    if run.get("aggregate_name") != "median":
        continue
    name = run["run_name"]
    unit = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}[run["time_unit"]]
    medians[name] = run["real_time"] * unit
    extra[name] = run
context = report["context"]
reference = medians["memcpy_reference"]
frame_bytes = int(extra["memcpy_reference"]["frame_bytes"])
print(f"machine: {context.get('num_cpus')} cpus at {context.get('mhz_per_cpu')} MHz; panelhost built in release")
print(f"panel picture: {frame_bytes} bytes")
print(f"{'case':<22}{'per frame':>14}{'ratio to memcpy':>18}")
for name in ("memcpy_reference", "every_needle_moves", "nothing_changed"):
    line = f"{name:<22}{medians[name] / 1e3:>11.2f} us{medians[name] / reference:>18.2f}"
    repainted = extra[name].get("gauges_repainted")
    if repainted is not None:
        line += f"   ({repainted:.0f} gauges repainted per frame)"
    print(line)
goal = medians["every_needle_moves"] / reference
print(f"goal (every needle moves) ratio <= 4: {'met' if goal <= 4 else 'NOT met'} ({goal:.2f})")
PY
