#!/usr/bin/env bash
# vote-judge on an election of 500 candidates and 20,000 delegates whose lists
# agree with every count: 10,000,000 list numbers (about 38 MB), half of the
# delegates ranking the candidates from the highest number down. Prints
# vote-judge's time (best of five) and peak memory beside the floor, the
# project's reader alone reading every number of the same files.
# Asserts nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset native >/dev/null
cmake --build --preset native >/dev/null
build=${BENCH_BUILD:-build/native}
data=bench/data/vote-judge
mkdir -p "$data"
if [[ ! -f $data/output ]]; then
    "$build/bench/vote-judge/bench_vote_generate" "$data" 500 20000 1
fi
ls -l "$data/input" "$data/answer" "$data/output" | awk '{print $5, $9}'
cat "$data/input" "$data/answer" "$data/output" > /dev/null  # into the page cache

best=""
measure() {  # measure <label> <command...>: best time of five runs (left in $best) and peak memory
    local label=$1 peak=""
    best=""
    shift
    for _ in 1 2 3 4 5; do
        local figures
        figures=$( { /usr/bin/time -f "%e s %M KB" "$@" > /dev/null; } 2>&1 | tail -n 1)
        local seconds=${figures%% *} kilobytes
        kilobytes=$(awk '{print $3}' <<< "$figures")
        if [[ -z $best ]] || awk "BEGIN{exit !($seconds < $best)}"; then best=$seconds; fi
        peak=$kilobytes
    done
    printf '%-14s %8s s %10s KB peak\n' "$label" "$best" "$peak"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$PWD
cd "$work"
measure "vote-judge" "$root/$build/vote-judge/vote-judge" 10 "$root/$data/input" "$root/$data/output" "$root/$data/answer"
checker=$best
printf '  report: '; iconv -f cp1251 -t utf-8 report | tr -d '\r'
measure "reader floor" "$root/$build/bench/bench_reader_floor" "$root/$data/input" "$root/$data/answer" "$root/$data/output"
awk -v checker="$checker" -v floor="$best" 'BEGIN { if (floor > 0) printf "vote-judge / floor: %.2f\n", checker / floor }'
