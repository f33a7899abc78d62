#!/usr/bin/env bash
# Builds everything and runs every test, the unit tests and the end-to-end
# golden cases: as Linux programs, and as Windows programs under Wine (the
# same golden reports, byte for byte). Installs what it needs first.
#
# The deliverables are the 32-bit Windows programs: they are always built and
# their imports checked. Their tests run under 32-bit Wine where the machine
# can run 32-bit x86 programs. Many virtual machines cannot (Wine's 32-bit side
# is itself such a program); there the same sources are built as 64-bit
# Windows programs and every test runs under 64-bit Wine instead, which
# exercises the same C runtime, file modes and report bytes.
#   CHECKERS_WINDOWS_TESTS=i686    insist on the 32-bit tests
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh native windows

start=$SECONDS
cmake --workflow --preset native
echo "native build and tests: $((SECONDS - start)) s"

start=$SECONDS
cmake --preset windows >/dev/null
cmake --build --preset windows
scripts/check-imports.sh build/windows/*/*.exe

# 32-bit x86 programs run natively (not through an emulator registered with
# binfmt_misc, under which Wine takes minutes per program)?
runs_32_bit() {
    [[ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]] || [[ $(cat /proc/sys/fs/binfmt_misc/qemu-i386) == disabled* ]] || return 1
    timeout 20 /usr/lib/wine/wine --version >/dev/null 2>&1
}

if runs_32_bit; then
    scripts/wine-session.sh ctest --preset windows
    echo "32-bit Windows build and tests under Wine: $((SECONDS - start)) s"
else
    if [[ ${CHECKERS_WINDOWS_TESTS:-} == i686 ]]; then
        echo "this machine cannot run 32-bit x86 programs: no 32-bit Wine" >&2
        exit 1
    fi
    echo "32-bit Windows build: $((SECONDS - start)) s; this machine cannot run 32-bit x86 programs," \
         "so the tests run on the 64-bit Windows build under 64-bit Wine"
    start=$SECONDS
    cmake --preset windows64 >/dev/null
    cmake --build --preset windows64
    CHECKERS_WINE_ARCH=win64 scripts/wine-session.sh ctest --preset windows64
    echo "64-bit Windows build and tests under Wine: $((SECONDS - start)) s"
fi
