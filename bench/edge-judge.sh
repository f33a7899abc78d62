#!/usr/bin/env bash
# edge-judge on a random multigraph of 1,000,000 vertices and 10,000,000 edges
# (about 138 MB of adjacency lines and as much of pairs) with a right answer,
# the path on which every pair is judged, beside the floor: the project's
# reader alone reading every number of the same two files. Prints time (best
# of three), peak memory and the targets; asserts nothing.
#
# BENCH_BUILD=<build folder> uses an existing build instead of building the
# native preset.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ -z ${BENCH_BUILD:-} ]]; then
    cmake --preset native >/dev/null
    cmake --build --preset native >/dev/null
fi
build=${BENCH_BUILD:-build/native}
vertices=1000000
edges=10000000
data=bench/data/edge-judge
mkdir -p "$data"
if [[ ! -f $data/input || ! -f $data/output ]]; then
    "$build/bench/edge-judge/bench_edge_generate" "$data" "$vertices" "$edges" 1
fi
ls -l "$data/input" "$data/output" | awk '{print $5, $9}'
cat "$data/input" "$data/output" > /dev/null  # into the page cache

best_seconds="" peak_kilobytes=""
measure() {  # measure <label> <command...>: best time of three runs and peak memory
    local label=$1
    best_seconds="" peak_kilobytes=""
    shift
    for _ in 1 2 3; do
        local figures
        figures=$( { /usr/bin/time -f "%e s %M KB" "$@" > /dev/null; } 2>&1 | tail -n 1)
        local seconds=${figures%% s *} kilobytes=${figures#* s }
        kilobytes=${kilobytes% KB}
        if [[ -z $best_seconds ]] || awk "BEGIN{exit !($seconds < $best_seconds)}"; then best_seconds=$seconds; fi
        if [[ -z $peak_kilobytes ]] || ((kilobytes > peak_kilobytes)); then peak_kilobytes=$kilobytes; fi
    done
    printf '%-12s %8s s %10s KB peak\n' "$label" "$best_seconds" "$peak_kilobytes"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$PWD
cd "$work"
measure "floor" "$root/$build/bench/bench_reader_floor" "$root/$data/input" "$root/$data/output"
floor_seconds=$best_seconds
measure "edge-judge" "$root/$build/edge-judge/edge-judge" 10 "$root/$data/input" "$root/$data/output" none
printf '  report: '; iconv -f cp1251 -t utf-8 report | tr -d '\r'

# Targets: at most 1.5 times the floor's time; under 8 bytes per adjacency
# entry (two per edge) plus 16 bytes per vertex.
awk -v judge="$best_seconds" -v floor="$floor_seconds" -v peak="$peak_kilobytes" \
    -v entries=$((2 * edges)) -v vertices="$vertices" 'BEGIN {
    printf "time:   %.2f x the floor (target: at most 1.50)\n", judge / floor
    printf "memory: %d KB peak (target: under %d KB, 8 bytes per entry and 16 per vertex)\n",
           peak, (8 * entries + 16 * vertices) / 1024
}'
