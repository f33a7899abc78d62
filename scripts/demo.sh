#!/usr/bin/env bash
# Runs each checker on the bundled examples (examples/<checker>/<case>/) and
# shows the report it writes, converted from Windows-1251 to UTF-8.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for case_dir in examples/*/*/; do
    case_dir=${case_dir%/}
    checker=$(basename "$(dirname "$case_dir")")
    program=$root/build/native/$checker/$checker
    [[ -x $program ]] || continue
    run=$work/$checker-$(basename "$case_dir")
    cp -r "$case_dir" "$run"
    mapfile -t arguments < "$case_dir/args"
    echo "== $case_dir"
    if [[ -f $case_dir/about ]]; then sed 's/^/   /' "$case_dir/about"; fi
    echo "   \$ $checker ${arguments[*]}"
    (cd "$run" && "$program" "${arguments[@]}")
    if [[ -f $run/report ]]; then
        printf '   report: '
        iconv -f cp1251 -t utf-8 "$run/report" | tr -d '\r'
        [[ $(tail -c 1 "$run/report" | od -An -c) == *'\n'* ]] || echo
    else
        echo "   (no report)"
    fi
done
