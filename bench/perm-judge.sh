#!/usr/bin/env bash
# perm-judge on a test of 1,000,000 servers and 5,000,000 random links (about
# 70 MB of input), a random arrangement with its true cost claimed and a jury's
# cost equal to it: the path where every file is read whole and every test
# passes. Beside it the floor: the same files' numbers read and summed by the
# checkers' Reader alone. Prints time (best of three) and peak memory; asserts
# nothing.
#
# BENCH_BUILD=<build tree> measures an existing tree instead of the native preset's.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ -n ${BENCH_BUILD:-} ]]; then
    cmake --build "$BENCH_BUILD" --target perm-judge bench_perm_generate bench_reader_floor >/dev/null
else
    cmake --preset native >/dev/null
    cmake --build --preset native >/dev/null
fi
build=${BENCH_BUILD:-build/native}
data=bench/data/perm-judge
mkdir -p "$data"
if [[ ! -f $data/answer ]]; then
    "$build/bench/perm-judge/bench_perm_generate" "$data" 1000000 5000000 1
fi
ls -l "$data/input" "$data/output" "$data/answer" | awk '{print $5, $9}'
cat "$data/input" "$data/output" "$data/answer" > /dev/null  # into the page cache

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
[[ $build = /* ]] || build=$root/$build
cd "$work"
measure "perm-judge" "$build/perm-judge/perm-judge" 10 "$root/$data/input" "$root/$data/output" "$root/$data/answer"
printf '  report: '; iconv -f cp1251 -t utf-8 report | tr -d '\r'
measure "Reader floor" "$build/bench/bench_reader_floor" "$root/$data/input" "$root/$data/output" "$root/$data/answer"
