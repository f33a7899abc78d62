#!/usr/bin/env bash
# seq-judge on two equal files of 10,000,000 integers (about 68 MB each), the
# path where both files are read whole, beside cmp and an fscanf("%d") loop.
# Prints time (best of three) and peak memory; asserts nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset native >/dev/null
cmake --build --preset native >/dev/null
build=${BENCH_BUILD:-build/native}
data=bench/data/seq-judge
mkdir -p "$data"
if [[ ! -f $data/answer ]]; then
    "$build/bench/seq-judge/bench_seq_generate" 10000000 1 > "$data/answer"
    cp "$data/answer" "$data/output"
fi
ls -l "$data/output" "$data/answer" | awk '{print $5, $9}'
cat "$data/output" "$data/answer" > /dev/null  # into the page cache

measure() {  # measure <label> <command...>: best time of three runs and peak memory
    local label=$1 best="" peak=""
    shift
    for _ in 1 2 3; do
        local figures
        figures=$( { /usr/bin/time -f "%e %M" "$@" > /dev/null; } 2>&1 | tail -n 1)
        local seconds=${figures% *} kilobytes=${figures#* }
        if [[ -z $best ]] || awk "BEGIN{exit !($seconds < $best)}"; then best=$seconds; fi
        peak=$kilobytes
    done
    printf '%-22s %8s s %10s KB peak\n' "$label" "$best" "$peak"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$PWD
cd "$work"
measure "seq-judge" "$root/$build/seq-judge/seq-judge" 10 none "$root/$data/output" "$root/$data/answer"
printf '  report: '; iconv -f cp1251 -t utf-8 report | tr -d '\r'
measure "cmp" cmp "$root/$data/output" "$root/$data/answer"
measure "fscanf(\"%d\") loop" "$root/$build/bench/seq-judge/bench_fscanf_floor" "$root/$data/output" "$root/$data/answer"
