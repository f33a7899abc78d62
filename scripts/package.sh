#!/usr/bin/env bash
# Builds the release packages:
#   dist/answer-checkers-windows-i686.zip   the checkers as static 32-bit Windows programs
#   dist/answer-checkers-linux-x86_64.zip   the checkers as Linux programs
# each in a folder of its name, with README.txt (packaging/README.txt) on the
# command line and the report. Run scripts/test.sh first to test them.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh native windows

# The checkers there are; one whose folder is not there yet is left out.
checkers=()
for checker in seq-judge edge-judge vote-judge perm-judge; do
    if [[ -f $checker/CMakeLists.txt ]]; then checkers+=("$checker"); fi
done

package() {  # package <preset> <package name> <program suffix> <strip>
    local preset=$1 name=$2 suffix=$3 strip=$4
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target "${checkers[@]}"
    local stage=dist/stage/$name
    rm -rf "$stage" "dist/$name.zip"
    mkdir -p "$stage"
    for checker in "${checkers[@]}"; do
        cp "build/$preset/$checker/$checker$suffix" "$stage/"
        "$strip" "$stage/$checker$suffix"
    done
    cp packaging/README.txt "$stage/"
    if [[ $suffix == .exe ]]; then scripts/check-imports.sh "$stage"/*.exe; fi
    (cd dist/stage && cmake -E tar cf "../$name.zip" --format=zip "$name")
    echo "dist/$name.zip: ${checkers[*]}"
}

package windows answer-checkers-windows-i686 .exe i686-w64-mingw32-strip
package native answer-checkers-linux-x86_64 "" strip
rm -rf dist/stage
