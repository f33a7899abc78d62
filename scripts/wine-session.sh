#!/usr/bin/env bash
# Runs a command with a ready Wine prefix (32-bit; 64-bit with
# CHECKERS_WINE_ARCH=win64) and one Wine server kept for
# the whole command, so that each Windows program it starts under Wine costs
# well under a second instead of a prefix check and a server start-up of its
# own (about 3 s each).
#
#   scripts/wine-session.sh <command> [<argument>...]
#   e.g. scripts/wine-session.sh ctest --preset windows
#
# The prefix lives in a temporary directory, made before the command and
# removed after it, with the server stopped from the EXIT trap.
set -euo pipefail

if (($# == 0)); then
    echo "usage: $0 <command> [<argument>...]" >&2
    exit 2
fi

session=$(mktemp -d "${TMPDIR:-/tmp}/checkers-wine.XXXXXX")
export CHECKERS_WINE_SESSION=$session   # tells scripts/wine-run.sh it is inside a session
export WINEPREFIX=$session/prefix
# The checkers are 32-bit programs; the 64-bit test build runs where 32-bit
# Wine cannot (machines without 32-bit x86 support).
export WINEARCH=${CHECKERS_WINE_ARCH:-win32}
if [[ $WINEARCH == win64 ]]; then
    # 64-bit Wine alone: its own loader and server, nothing of the 32-bit side.
    export CHECKERS_WINE=/usr/lib/wine/wine64
    export WINESERVER=/usr/lib/wine/wineserver64
    wine() { /usr/lib/wine/wine64 "$@"; }
    wineserver() { /usr/lib/wine/wineserver64 "$@"; }
    wineboot() { /usr/lib/wine/wine64 wineboot "$@"; }
fi
export WINEDEBUG=-all                   # Wine's own messages would mix into the programs' stderr
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"   # no Mono/Gecko prompts, no debugger
unset DISPLAY WAYLAND_DISPLAY           # console programs; no window may open

stop() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    rm -rf "$session"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mkdir "$WINEPREFIX"
# The server is persistent (-p): it stays up between the programs until -k.
# Output goes to a log: the server and the services wineboot starts outlive
# this step and must not hold the caller's stdout or stderr open.
log=$session/setup.log
if ! { wineserver -p && wineboot -i; } >"$log" 2>&1; then
    echo "wine-session: setting up the 32-bit Wine prefix failed:" >&2
    sed 's/^/    /' "$log" >&2
    if grep -q "Exec format error" "$log"; then
        echo "wine-session: this machine cannot run 32-bit x86 Linux programs, and Wine's 32-bit side is one" >&2
    fi
    exit 1
fi
# A 64-bit-only Wine cannot start 32-bit programs and may exit 0 without a
# word: insist on the prefix of the kind asked for really made.
if [[ ! -f $WINEPREFIX/drive_c/windows/system32/kernel32.dll ]] ||
   [[ $WINEARCH == win32 && -d $WINEPREFIX/drive_c/windows/syswow64 ]]; then
    echo "wine-session: no 32-bit Wine prefix was made (is wine32:i386 installed?)" >&2
    exit 1
fi

status=0
"$@" || status=$?
exit "$status"
