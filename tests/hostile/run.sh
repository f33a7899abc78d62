#!/usr/bin/env bash
# Hostile inputs that are too big to keep as golden cases: each row makes its
# files, runs the checker in a fresh directory, compares the report byte for
# byte and prints the time and peak memory of the run.
#   tests/hostile/run.sh <build-dir>      (programs in <build-dir>/<checker>/)
# Exits non-zero when a report differs; the figures are printed, not judged.
set -euo pipefail
build=$(cd "${1:?usage: run.sh <build-dir>}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# make_file <path> <spec>: what a row's file holds.
#   missing | dir | text:<printf %b text> | repeat:<N>:<text> (text repeated to N bytes)
make_file() {
    local path=$1 spec=$2
    case $spec in
        missing) ;;
        dir) mkdir -p "$path" ;;
        text:*) printf '%b' "${spec#text:}" > "$path" ;;
        repeat:*)
            local rest=${spec#repeat:}
            local size=${rest%%:*} unit=${rest#*:}
            # Doubling keeps this fast for a hundred megabytes.
            printf '%b' "$unit" > "$path.unit"
            while (( $(stat -c %s "$path.unit") < size )); do cat "$path.unit" "$path.unit" > "$path.tmp"; mv "$path.tmp" "$path.unit"; done
            head -c "$size" "$path.unit" > "$path"
            rm -f "$path.unit" ;;
        *) echo "unknown file spec: $spec" >&2; exit 2 ;;
    esac
}

# row <checker> <name> <max_score> <input> <output> <answer> <expected report, UTF-8, \n for CR LF>
row() {
    local checker=$1 name=$2 score=$3 input=$4 output=$5 answer=$6 expected=$7
    local program=$build/$checker/$checker
    [[ -x $program ]] || return 0
    local dir=$work/$checker-$name
    mkdir -p "$dir"
    make_file "$dir/input" "$input"
    make_file "$dir/output" "$output"
    make_file "$dir/answer" "$answer"
    local status
    (cd "$dir" && /usr/bin/time -o time.txt -f "%e %M" "$program" "$score" input output answer >/dev/null 2>&1) || true
    local figures
    figures=$(tail -n 1 "$dir/time.txt")
    printf '%b' "${expected//\\n/\\r\\n}" > "$dir/expected.utf8"
    iconv -f utf-8 -t cp1251 "$dir/expected.utf8" > "$dir/expected"
    if [[ -f $dir/report ]] && cmp -s "$dir/report" "$dir/expected"; then
        status=ok
    else
        status=FAILED
        failures=$((failures + 1))
    fi
    printf '%-11s %-34s %-6s %7s s %9s KB\n' "$checker" "$name" "$status" "${figures% *}" "${figures#* }"
    if [[ $status != ok ]]; then
        printf '    expected: %s\n    actual:   %s\n' "$(tr -d '\r' < "$dir/expected.utf8")" \
            "$( [[ -f $dir/report ]] && iconv -f cp1251 -t utf-8 "$dir/report" | tr -d '\r' || echo '(no report)')"
    fi
    rm -rf "$dir"
}

printf '%-11s %-34s %-6s %9s %12s\n' checker case report time "peak memory"
MB100=100000000

row seq-judge one-100MB-token-each 10 missing "repeat:$MB100:7" "repeat:$MB100:7" '10 - Всі числа співпадають!\n'
row seq-judge 100MB-token-against-1 10 missing "repeat:$MB100:9" 'text:1' ' 0 - Різні числа на 1-ому місці!\n'
row seq-judge 100MB-of-blanks 10 missing "repeat:$MB100: " 'text:' '10 - Всі числа співпадають!\n'
row seq-judge numbers-beyond-64-bits 10 missing 'text:123456789012345678901234567890 -98765432109876543210' \
    'text:123456789012345678901234567890 -98765432109876543211' ' 0 - Різні числа на 2-ому місці!\n'
row seq-judge 10MB-of-NUL-bytes 10 missing "repeat:10000000:\\0" 'text:1' ' 0 - Не можна зчитати 1-те число!\n'

exit $((failures > 0))
