#!/usr/bin/env bash
# Checks that each Windows program named imports no DLL but KERNEL32 and
# msvcrt, which every Windows has: a judge's machine runs it as it is,
# without MinGW's runtime DLLs.
#   scripts/check-imports.sh <program.exe>...
set -euo pipefail

status=0
for program in "$@"; do
    dlls=$(i686-w64-mingw32-objdump -p "$program" | awk '/DLL Name:/ { print $3 }')
    echo "$program:" $dlls
    for dll in $dlls; do
        case ${dll,,} in
        kernel32.dll | msvcrt.dll) ;;
        *) echo "  $dll: not a system DLL; is the program linked statically?" >&2; status=1 ;;
        esac
    done
done
exit "$status"
