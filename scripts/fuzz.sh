#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, with address and undefined-behaviour
# sanitizers) and runs each for a while, starting from seeds made of the
# golden cases. Any finding stops the run with a non-zero status and leaves
# the crashing input in build/fuzz/findings/.
#   scripts/fuzz.sh [seconds per target, default 60] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

scripts/install-deps.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work=build/fuzz
mkdir -p "$work/findings"

# seeds <checker>: one seed per golden case, laid out as the targets split
# their input: buffer pick, chunk pick, the full score as four bytes, then the
# input, output and answer separated by the bytes FF FE.
seeds() {
    local checker=$1 corpus=$work/corpus/$1
    mkdir -p "$corpus"
    for case_dir in tests/golden/"$checker"/*/ examples/"$checker"/*/; do
        [[ -d $case_dir ]] || continue
        local seed
        seed=$corpus/seed-$(basename "$(dirname "$case_dir")")-$(basename "$case_dir")
        {
            printf '\x00\x00\x0a\x00\x00\x00'
            cat "$case_dir/input" 2>/dev/null || true
            printf '\xff\xfe'
            cat "$case_dir/output" 2>/dev/null || true
            printf '\xff\xfe'
            cat "$case_dir/answer" 2>/dev/null || true
        } > "$seed"
    done
}

targets=("$@")
if ((${#targets[@]} == 0)); then
    for program in "$work"/fuzz/*_fuzz; do targets+=("$(basename "$program" _fuzz)"); done
fi

for target in "${targets[@]}"; do
    checker=${target//_/-}
    seeds "$checker"
    echo "== $target: ${seconds}s"
    "$work/fuzz/${target}_fuzz" "$work/corpus/$checker" \
        -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/findings/${target}-" 2>&1 |
        grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss_mb)|ERROR|SUMMARY' || true
    if ls "$work/findings/${target}-"* >/dev/null 2>&1; then
        echo "findings for $target in $work/findings/" >&2
        exit 1
    fi
done
