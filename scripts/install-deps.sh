#!/usr/bin/env bash
# Installs, from Debian's packages, what building and testing the checkers
# needs; packages already there are left alone.
#   scripts/install-deps.sh            the native build and its tests
#   scripts/install-deps.sh windows    also the 32-bit Windows build and Wine
#   scripts/install-deps.sh fuzz       also clang and its fuzzer runtime
set -euo pipefail

windows=no
fuzz=no
for target in "$@"; do
    case $target in
    native) ;;
    windows) windows=yes ;;
    fuzz) fuzz=yes ;;
    *) echo "usage: $0 [native] [windows] [fuzz]" >&2; exit 2 ;;
    esac
done

packages=()
need() {  # need <command-or-file> <package>
    if [[ "$1" == /* ]]; then [[ -e "$1" ]] || packages+=("$2")
    else command -v "$1" >/dev/null 2>&1 || packages+=("$2"); fi
}

need cmake cmake
need ninja ninja-build
need g++ g++
need iconv libc-bin
need /usr/include/gtest/gtest.h libgtest-dev
need /usr/bin/time time   # peak memory figures of the hostile-input table
if [[ $windows == yes ]]; then
    need i686-w64-mingw32-g++-posix g++-mingw-w64-i686-posix
    need /usr/src/googletest/CMakeLists.txt googletest   # built for the target
    need x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64-posix   # the 64-bit test build
    need wine wine
    need /usr/lib/wine/wine64 wine64
    # Wine's 32-bit side, which runs 32-bit programs; wine64 alone cannot.
    need /usr/lib/wine/wine wine32:i386
fi

if [[ $fuzz == yes ]]; then
    need clang++ clang
    compgen -G '/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a' >/dev/null ||
        packages+=(libclang-rt-dev)
fi

if ((${#packages[@]} == 0)); then
    exit 0
fi

echo "installing: ${packages[*]}" >&2
sudo=()
if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
if [[ " ${packages[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
fi
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
echo "installed in ${SECONDS} s" >&2
