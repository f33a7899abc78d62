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

# make_file <path> <recipe>: what a row's file holds.
#   missing | dir | text:<printf %b text> | repeat:<N>:<text> (text repeated to N bytes)
make_file() {
    local path=$1 recipe=$2
    case $recipe in
        missing) ;;
        dir) mkdir -p "$path" ;;
        text:*) printf '%b' "${recipe#text:}" > "$path" ;;
        repeat:*)
            # Made once per run and linked into each row that wants it.
            local cached
            cached=$work/cache-$(printf '%s' "$recipe" | md5sum | cut -c1-16)
            if [[ ! -f $cached ]]; then
                local rest=${recipe#repeat:}
                local size=${rest%%:*} unit=${rest#*:}
                # Doubling keeps this fast for a hundred megabytes.
                printf '%b' "$unit" > "$cached.unit"
                while (( $(stat -c %s "$cached.unit") < size )); do
                    cat "$cached.unit" "$cached.unit" > "$cached.tmp"
                    mv "$cached.tmp" "$cached.unit"
                done
                head -c "$size" "$cached.unit" > "$cached"
                rm -f "$cached.unit"
            fi
            ln "$cached" "$path" ;;
        *) echo "unknown file recipe: $recipe" >&2; exit 2 ;;
    esac
}

# row <checker> <name> <arguments given> <max_score> <input> <output> <answer> <expected report>
# The expected report is UTF-8 with \n for each line end (written as CR LF),
# or NO-REPORT when the run must leave the directory named report alone.
row() {
    local checker=$1 name=$2 given=$3 score=$4 input=$5 output=$6 answer=$7 expected=$8
    local program=$build/$checker/$checker
    [[ -x $program ]] || return 0
    local dir=$work/$checker-$name
    mkdir -p "$dir"
    make_file "$dir/input" "$input"
    make_file "$dir/output" "$output"
    make_file "$dir/answer" "$answer"
    [[ $expected == NO-REPORT ]] && mkdir "$dir/report"
    local arguments=("$score" input output answer)
    local exit_status=0
    (cd "$dir" && /usr/bin/time -o time.txt -f "%e %M" "$program" "${arguments[@]:0:given}" >/dev/null 2>stderr.txt) ||
        exit_status=$?
    local figures status=ok
    figures=$(tail -n 1 "$dir/time.txt")
    if [[ $expected == NO-REPORT ]]; then
        [[ -d $dir/report && -s $dir/stderr.txt ]] || status=FAILED
    else
        printf '%b' "${expected//\\n/\\r\\n}" > "$dir/expected.utf8"
        iconv -f utf-8 -t cp1251 "$dir/expected.utf8" > "$dir/expected"
        [[ -f $dir/report ]] && cmp -s "$dir/report" "$dir/expected" || status=FAILED
    fi
    ((exit_status == 0)) || status="EXIT $exit_status"
    [[ $status == ok ]] || failures=$((failures + 1))
    printf '%-11s %-34s %-6s %7s s %9s KB\n' "$checker" "$name" "$status" "${figures% *}" "${figures#* }"
    if [[ $status != ok && $expected != NO-REPORT ]]; then
        printf '    expected: %s\n    actual:   %s\n' "$(tr -d '\r' < "$dir/expected.utf8")" \
            "$( [[ -f $dir/report ]] && iconv -f cp1251 -t utf-8 "$dir/report" | tr -d '\r' || echo '(no report)')"
    fi
    rm -rf "$dir"
}

printf '%-11s %-34s %-6s %9s %12s\n' checker case report time "peak memory"
MB100=100000000
BIG=123456789012345678901234567890   # beyond 64 bits

# seq-judge: the output and the answer.
SEQ_ALL='10 - Всі числа співпадають!\n'
row seq-judge empty-files 4 10 missing text: text: "$SEQ_ALL"
row seq-judge white-space-files 4 10 missing 'text: \n\t\r\n ' 'text:\n\n' "$SEQ_ALL"
row seq-judge NUL-byte 4 10 missing 'text:\0' 'text:1' ' 0 - Не можна зчитати 1-те число!\n'
row seq-judge 0x1A-byte 4 10 missing 'text:1\x1a' 'text:1 2' ' 0 - Не можна зчитати 2-те число!\n'
row seq-judge 10MB-of-NUL-bytes 4 10 missing "repeat:10000000:\\0" 'text:1' ' 0 - Не можна зчитати 1-те число!\n'
row seq-judge one-100MB-token-each 4 10 missing "repeat:$MB100:7" "repeat:$MB100:7" "$SEQ_ALL"
row seq-judge 100MB-token-against-1 4 10 missing "repeat:$MB100:9" 'text:1' ' 0 - Різні числа на 1-ому місці!\n'
row seq-judge 100MB-of-blanks 4 10 missing "repeat:$MB100: " 'text:' "$SEQ_ALL"
row seq-judge beyond-64-bits 4 10 missing "text:$BIG -$BIG" "text:$BIG -${BIG}1" ' 0 - Різні числа на 2-ому місці!\n'
row seq-judge sign-without-digits 4 10 missing 'text:1 -' 'text:1 2' ' 0 - Не можна зчитати 2-те число!\n'
row seq-judge CR-without-LF 4 10 missing 'text:1\r2\r' 'text:1 2' "$SEQ_ALL"
row seq-judge output-is-a-directory 4 10 missing dir 'text:1' ' 0 - Не вдалось вiдкрити вихiдний файл!\n'
row seq-judge answer-is-a-directory 4 10 missing 'text:1' dir ' 0 - Не вдалось вiдкрити файл вiдповiдей!\n'
row seq-judge report-cannot-be-created 4 10 missing 'text:1' 'text:1' NO-REPORT
row seq-judge no-arguments 0 10 missing 'text:1' 'text:1' ' 0 - Не вдалось вiдкрити вихiдний файл!\n'
row seq-judge one-argument 1 10 missing 'text:1' 'text:1' ' 0 - Не вдалось вiдкрити вихiдний файл!\n'
row seq-judge two-arguments 2 10 missing 'text:1' 'text:1' ' 0 - Не вдалось вiдкрити вихiдний файл!\n'
row seq-judge three-arguments 3 10 missing 'text:1' 'text:1' ' 0 - Не вдалось вiдкрити файл вiдповiдей!\n'

# edge-judge: the input (the jury's graph) and the output. The answer is never read.
EDGE_OK='10 - Правильна відповідь.\n'
EDGE_UNREADABLE=' 0 - Не вдалося зчитати потрібну кількість ребер.\n'
EDGE_BAD=' 0 - Неправильний опис ребра.\n'
EDGE_EXTRA=' 0 - Зайві числа у файлі.\n'
row edge-judge empty-files 4 10 text: text: text: "$EDGE_OK"
row edge-judge white-space-files 4 10 'text: \n\n\t' 'text:\r\n \n' 'text: ' "$EDGE_OK"
row edge-judge NUL-byte-in-output 4 10 'text:2\n2\n1\n' 'text:\0' text: "$EDGE_UNREADABLE"
row edge-judge NUL-bytes-after-the-pairs 4 10 'text:2\n2\n1\n' 'text:1 2\0\0' text: "$EDGE_OK"
row edge-judge 0x1A-byte-in-input 4 10 'text:2\n2\x1a\n1\n' 'text:1 2' text: ' 0 - Неправильна відповідь.\n'
row edge-judge 100MB-token-in-output 4 10 'text:2\n2\n1\n' "repeat:$MB100:7" text: "$EDGE_UNREADABLE"
row edge-judge 100MB-line-without-line-end 4 10 "repeat:$MB100:2 " 'text:' text: "$EDGE_UNREADABLE"
row edge-judge n-beyond-64-bits 4 10 "text:$BIG\n2\n1\n" 'text:1 2' text: "$EDGE_OK"
row edge-judge neighbour-beyond-64-bits 4 10 "text:2\n$BIG\n1\n" 'text:1 2' text: ' 0 - Неправильна відповідь.\n'
row edge-judge pair-beyond-64-bits 4 10 'text:2\n2\n1\n' "text:1 $BIG" text: "$EDGE_BAD"
row edge-judge extra-number-beyond-64-bits 4 10 'text:2\n2\n1\n' "text:1 2 $BIG" text: "$EDGE_EXTRA"
row edge-judge sign-without-digits 4 10 'text:2\n2\n1\n' 'text:1 -' text: "$EDGE_UNREADABLE"
row edge-judge CR-without-LF 4 10 'text:2\n2\r1\r' 'text:1 2' text: ' 0 - Неправильна відповідь.\n'
row edge-judge n-2000000000-in-a-short-file 4 10 'text:2000000000\n2\n1\n' 'text:1 2' text: "$EDGE_OK"
row edge-judge input-is-a-directory 4 10 dir 'text:' text: ' 0 - Не вдалося відкрити вхідний файл!\n'
row edge-judge output-is-a-directory 4 10 'text:0' dir text: ' 0 - Не вдалося відкрити вихідний файл!\n'
row edge-judge answer-is-a-directory 4 10 'text:0' 'text:' dir "$EDGE_OK"
row edge-judge report-cannot-be-created 4 10 'text:0' 'text:' text: NO-REPORT
row edge-judge no-arguments 0 10 'text:0' 'text:' text: ' 0 - Не вдалося відкрити вхідний файл!\n'
row edge-judge one-argument 1 10 'text:0' 'text:' text: ' 0 - Не вдалося відкрити вхідний файл!\n'
row edge-judge two-arguments 2 10 'text:0' 'text:' text: ' 0 - Не вдалося відкрити вихідний файл!\n'
row edge-judge three-arguments 3 10 'text:0' 'text:' text: "$EDGE_OK"

# vote-judge: the input (the vote table), the output and the answer.
VOTE_OK='10 - Правильна відповідь.\n'
VOTE_NO_COUNT=' 0 - Не вдалося зчитати кількість делегатів.\n'
VOTE_WRONG_COUNT=' 0 - Неправильна кількість делегатів.\n'
VOTE_N3='text:3\n2 3\n2 2\n1\n'
VOTE_N3_LISTS='text:5\n1 2 3\n1 3 2\n2 1 3\n2 3 1\n3 1 2\n'
row vote-judge empty-files 4 10 text: text: text: "$VOTE_NO_COUNT"
row vote-judge white-space-files 4 10 'text: \n' 'text:\r\n\t' 'text: ' "$VOTE_NO_COUNT"
row vote-judge NUL-byte-in-output 4 10 "$VOTE_N3" 'text:\0' 'text:5' "$VOTE_NO_COUNT"
row vote-judge 0x1A-byte-in-the-lists 4 10 "$VOTE_N3" 'text:5\n1 2 3\x1a' 'text:5' '04 - Правильна кількість делегатів; не вдалося зчитати вподобання.\n'
row vote-judge 100MB-token-as-count 4 10 "$VOTE_N3" "repeat:$MB100:5" 'text:5' "$VOTE_WRONG_COUNT"
row vote-judge count-beyond-64-bits 4 10 "$VOTE_N3" "text:$BIG" "text:$BIG" "$VOTE_WRONG_COUNT"
row vote-judge list-number-beyond-64-bits 4 10 "$VOTE_N3" "text:1 $BIG 1 2" 'text:1' '04 - Правильна кількість делегатів; вподобання задано некоректно.\n'
row vote-judge n-beyond-64-bits 4 10 "text:$BIG 1 2 3" 'text:1' 'text:1' ' 0 - Таблиця голосів у вхідному файлі неповна.\n'
row vote-judge sign-without-digits 4 10 "$VOTE_N3" 'text:-' 'text:5' "$VOTE_NO_COUNT"
row vote-judge CR-without-LF 4 10 'text:3\r2 3\r2 2\r1\r' "$VOTE_N3_LISTS" 'text:5' "$VOTE_OK"
row vote-judge n-100000-in-a-short-file 4 10 'text:100000\n1 2 3\n' 'text:1' 'text:1' ' 0 - Таблиця голосів у вхідному файлі неповна.\n'
row vote-judge input-is-a-directory 4 10 dir "$VOTE_N3_LISTS" 'text:5' ' 0 - Не вдалося відкрити вхідний файл!\n'
row vote-judge output-is-a-directory 4 10 "$VOTE_N3" dir 'text:5' ' 0 - Не вдалося відкрити вихідний файл!\n'
row vote-judge answer-is-a-directory 4 10 "$VOTE_N3" "$VOTE_N3_LISTS" dir ' 0 - Не вдалося відкрити файл відповідей!\n'
row vote-judge report-cannot-be-created 4 10 "$VOTE_N3" "$VOTE_N3_LISTS" 'text:5' NO-REPORT
row vote-judge no-arguments 0 10 "$VOTE_N3" "$VOTE_N3_LISTS" 'text:5' ' 0 - Не вдалося відкрити вхідний файл!\n'
row vote-judge one-argument 1 10 "$VOTE_N3" "$VOTE_N3_LISTS" 'text:5' ' 0 - Не вдалося відкрити вхідний файл!\n'
row vote-judge two-arguments 2 10 "$VOTE_N3" "$VOTE_N3_LISTS" 'text:5' ' 0 - Не вдалося відкрити вихідний файл!\n'
row vote-judge three-arguments 3 10 "$VOTE_N3" "$VOTE_N3_LISTS" 'text:5' ' 0 - Не вдалося відкрити файл відповідей!\n'
row vote-judge the-right-lists 4 10 "$VOTE_N3" "$VOTE_N3_LISTS" 'text:5' "$VOTE_OK"

# perm-judge: the input (servers and links), the output and the answer.
PERM_OK='10 - Правильний розв'"'"'язок.\n'
PERM_IN1=' 0 - Не дотримано формат вхідного файлу (1)'
PERM_IN2=' 0 - Не дотримано формат вхідного файлу (2)'
PERM_OUT1=' 0 - Не дотримано формат вихідного файлу (1)'
PERM_OUT2=' 0 - Не дотримано формат вихідного файлу (2)'
PERM_OUT3=' 0 - Не дотримано формат вихідного файлу (3)'
PERM_IN='text:3 2\n1 2\n2 3\n'
row perm-judge empty-files 4 10 text: text: text: "$PERM_IN1"
row perm-judge white-space-files 4 10 'text: \n\t' 'text:\r\n' 'text: ' "$PERM_IN1"
row perm-judge empty-output 4 10 "$PERM_IN" text: 'text:2' "$PERM_OUT1"
row perm-judge NUL-byte-in-output 4 10 "$PERM_IN" 'text:2 1 2\0' 'text:2' ' 0 - Неправильна перестановка\n'
row perm-judge NUL-byte-as-first-server 4 10 "$PERM_IN" 'text:2 \0' 'text:2' "$PERM_OUT3"
row perm-judge 0x1A-byte-in-input 4 10 'text:3 2\n1 2\x1a\n2 3\n' 'text:2 1 2 3' 'text:2' "$PERM_IN2"
row perm-judge 100MB-token-as-claim 4 10 "$PERM_IN" "repeat:$MB100:9" 'text:2' "$PERM_OUT2"
row perm-judge S-beyond-64-bits 4 10 "text:$BIG 0" 'text:0' 'text:0' "$PERM_IN1"
row perm-judge link-beyond-64-bits 4 10 "text:3 1\n1 $BIG\n" 'text:0 1 2 3' 'text:0' "$PERM_IN2"
row perm-judge claim-beyond-64-bits 4 10 "$PERM_IN" "text:$BIG 1 2 3" 'text:2' " 0 - Ціна отриманої перестановки не рівна $BIG, а рівна 2.\n"
row perm-judge arrangement-beyond-64-bits 4 10 "$PERM_IN" "text:2 1 $BIG 3" 'text:2' "$PERM_OUT3"
row perm-judge answer-beyond-64-bits 4 10 "$PERM_IN" 'text:2 1 2 3' "text:$BIG" "99 - Біда...$PERM_OK"
row perm-judge sign-without-digits 4 10 "$PERM_IN" 'text:2 -' 'text:2' "$PERM_OUT3"
row perm-judge CR-without-LF 4 10 'text:3 2\r1 2\r2 3\r' 'text:2\r1 2 3\r' 'text:2\r' "$PERM_OK"
row perm-judge S-2000000000-in-a-short-file 4 10 'text:2000000000 0\n' 'text:0 1 2' 'text:0' "$PERM_OUT2"
row perm-judge C-2000000000-in-a-short-file 4 10 'text:3 2000000000\n1 2\n' 'text:0 1 2 3' 'text:0' "$PERM_IN2"
row perm-judge input-is-a-directory 4 10 dir 'text:2 1 2 3' 'text:2' ' 0 - Не вдалося відкрити вхідний файл!\n'
row perm-judge output-is-a-directory 4 10 "$PERM_IN" dir 'text:2' ' 0 - Не вдалося відкрити вихідний файл!\n'
row perm-judge answer-is-a-directory 4 10 "$PERM_IN" 'text:2 1 2 3' dir ' 0 - Не вдалося відкрити файл відповідей!\n'
row perm-judge report-cannot-be-created 4 10 "$PERM_IN" 'text:2 1 2 3' 'text:2' NO-REPORT
row perm-judge one-argument 1 10 "$PERM_IN" 'text:2 1 2 3' 'text:2' ' 0 - Не вдалося відкрити вхідний файл!\n'
row perm-judge two-arguments 2 10 "$PERM_IN" 'text:2 1 2 3' 'text:2' ' 0 - Не вдалося відкрити вихідний файл!\n'
row perm-judge three-arguments 3 10 "$PERM_IN" 'text:2 1 2 3' 'text:2' ' 0 - Не вдалося відкрити файл відповідей!\n'
row perm-judge the-right-arrangement 4 10 "$PERM_IN" 'text:2 1 2 3' 'text:2' "$PERM_OK"

exit $((failures > 0))
