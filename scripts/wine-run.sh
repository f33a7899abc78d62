#!/usr/bin/env bash
# The Windows build's CMAKE_CROSSCOMPILING_EMULATOR: runs one Windows program
# under Wine, as in `scripts/wine-run.sh <program.exe> [<argument>...]`.
#
# Inside scripts/wine-session.sh (as scripts/test.sh runs the tests) it uses
# that session's prefix and server. Started on its own, by a bare
# `ctest --preset windows` say, it opens a session for this one program:
# right, only a few seconds slower.
set -euo pipefail

if [[ -z ${CHECKERS_WINE_SESSION:-} ]]; then
    exec "$(dirname "$0")/wine-session.sh" "$0" "$@"
fi
exec "${CHECKERS_WINE:-wine}" "$@"
