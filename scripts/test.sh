#!/usr/bin/env bash
# Builds everything and runs every test, the unit tests and the end-to-end
# golden cases, twice: as Linux programs, and as the 32-bit Windows programs
# under Wine (the same golden reports, byte for byte). Installs what it needs
# first.
#
# Wine runs 32-bit Windows programs only where the machine can run 32-bit x86
# Linux programs; some virtual machines cannot. There the Windows programs are
# still built and their imports checked, the tests under Wine are reported as
# NOT RUN, and the exit status is 0 unless CHECKERS_WINDOWS_TESTS=required.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh native windows

start=$SECONDS
cmake --workflow --preset native
native_seconds=$((SECONDS - start))

start=$SECONDS
cmake --preset windows >/dev/null
cmake --build --preset windows
scripts/check-imports.sh build/windows/*/*.exe
# Debian's loader of Wine's 32-bit side, itself a 32-bit Linux program.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    scripts/wine-session.sh ctest --preset windows
    echo "native: ${native_seconds} s; windows, build and tests under Wine: $((SECONDS - start)) s"
else
    echo "native: ${native_seconds} s; windows, build only: $((SECONDS - start)) s"
    echo "Windows tests under Wine: NOT RUN, this machine cannot run 32-bit x86 programs" >&2
    if [[ ${CHECKERS_WINDOWS_TESTS:-} == required ]]; then
        exit 1
    fi
fi
