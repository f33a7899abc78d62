#!/usr/bin/env bash
# Installs, from Debian's packages, what building and testing the checkers
# needs; packages already there are left alone.
#   scripts/install-deps.sh            the native build and its tests
set -euo pipefail

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
need /usr/bin/time time

if ((${#packages[@]} == 0)); then
    exit 0
fi

echo "installing: ${packages[*]}" >&2
sudo=()
if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
