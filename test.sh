#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and the sanitizers, and
# runs every test.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh linux
jobs=$(nproc)
# The editor's GUI tests run under a Russian locale, as a Russian user's editor does.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$' && [ "$(id -u)" -eq 0 ]; then
    localedef -i ru_RU -f UTF-8 ru_RU.UTF-8 || true
fi

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DQV_WERROR=ON -DQV_SANITIZE=ON -DQV_BUILD_UI=ON -DQV_BUILD_BENCH=ON
cmake --build build/test -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure -j "$jobs"

# Windows: the core, the command-line tool and the core's tests, cross-built with MinGW-w64 and
# run under 64-bit Wine in a throwaway prefix (ctest label "windows").
scripts/install-deps.sh windows
# It also compares its quorvane-cli and capture with the Linux build's (label "cross").
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQV_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
    -DQV_LINUX_BUILD_DIR="$PWD/build/test"
cmake --build build/windows -j "$jobs"
scripts/wine-prefix.sh build/windows/wineprefix
ctest --test-dir build/windows -L windows --output-on-failure --timeout 300 -j "$jobs"

# The game is a 32-bit program, so the core must also compile for 32-bit Windows; such programs
# cannot run on this machine.
cmake -S . -B build/windows32 -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQV_WERROR=ON \
    -DQV_BUILD_TESTS=OFF -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-i686.cmake
cmake --build build/windows32 -j "$jobs" --target quorvane-cli
