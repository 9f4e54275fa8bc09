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

# The libFuzzer targets, built with clang in build/fuzz and each run for a short while
# (QV_FUZZ_SECONDS, 20 by default), so that they cannot rot unseen.
scripts/install-deps.sh fuzz
scripts/fuzz.sh "${QV_FUZZ_SECONDS:-20}" "$jobs"

# Windows: everything cross-built with MinGW-w64 in Release and run under 64-bit Wine in a
# throwaway prefix (ctest label "windows"): the core, the command-line tool and their tests (it
# also compares its quorvane-cli and capture with the Linux build's, label "cross"), and the
# editor against Qt for Windows, built once from Debian's own qt6-base source and kept in
# ~/.cache/quorvane (the first time takes a while): its GUI tests, its smoke run on a virtual
# display, and the zip a Windows user downloads, made of the programs just tested and checked
# as that user gets it. QV_WINDOWS_EDITOR=0 leaves the editor out (no Qt for Windows needed).
scripts/install-deps.sh windows
toolchain=(-DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchains/mingw-w64-x86_64.cmake")
if [ "${QV_WINDOWS_EDITOR:-1}" = 1 ]; then
    scripts/install-deps.sh qt-windows
    qt=$(nice -n 5 scripts/build-qt-windows.sh "$jobs")
    toolchain=(-DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake"
               -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/toolchains/mingw-w64-x86_64.cmake")
fi
# CMake keeps the toolchain of a build folder's first run, so another one means a new folder.
grep -qF "${toolchain[0]#*=}" build/windows/CMakeCache.txt 2>/dev/null || rm -rf build/windows
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_WERROR=ON \
    "${toolchain[@]}" -DQV_LINUX_BUILD_DIR="$PWD/build/test"
cmake --build build/windows -j "$jobs"
scripts/wine-prefix.sh build/windows/wineprefix
ctest --test-dir build/windows -L windows --output-on-failure --timeout 300 -j "$jobs"
if [ "${QV_WINDOWS_EDITOR:-1}" = 1 ]; then
    zip=$(scripts/package-windows.sh build/windows "$jobs")
    scripts/check-windows-package.sh "$zip" build/test/src/app/quorvane-cli
fi

# The game is a 32-bit program, so the core must also compile for 32-bit Windows; such programs
# cannot run on this machine.
cmake -S . -B build/windows32 -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQV_WERROR=ON \
    -DQV_BUILD_TESTS=OFF -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-i686.cmake
cmake --build build/windows32 -j "$jobs" --target quorvane-cli
