#!/usr/bin/env bash
# Makes the zip a Windows user downloads, build/windows/quorvane-<version>-windows-x64.zip, from a
# Release build cross-built with MinGW-w64 against Qt for Windows (scripts/build-qt-windows.sh
# builds it once, then takes it from its cache). What the zip holds is defined once, by the
# install rules of cmake/QuorvaneWindowsPackage.cmake, and CPack's ZIP generator packs it, as the
# Windows workflow does.
# Usage: scripts/package-windows.sh [BUILD [JOBS]]      (prints the zip's path)
# BUILD is a Release build folder made against that Qt (./test.sh packs the programs its tests
# ran); by default build/windows-release, configured here when needed.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/windows-release}
jobs=${2:-$(nproc)}
qt=$(scripts/build-qt-windows.sh "$jobs")

# Configured afresh when Qt's prefix changed, since CMake keeps the toolchain of its first run.
if ! grep -qF "$qt/" "$build/CMakeCache.txt" 2>/dev/null; then
    rm -rf "$build"
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_UI=ON \
        -DQV_BUILD_TESTS=OFF -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/toolchains/mingw-w64-x86_64.cmake" >&2
fi
if ! grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' "$build/CMakeCache.txt"; then
    echo "package-windows: $build is not a Release build" >&2
    exit 1
fi
cmake --build "$build" -j "$jobs" --target quorvane quorvane-cli >&2

rm -rf "$build/package"
(cd "$build" && cpack -G ZIP -B package >&2)
made=$(echo "$build"/package/*.zip)

# Nothing of this machine may travel: no file names the sources, the build or Qt's cache.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
unzip -q "$made" -d "$stage"
leaks=$(grep -rlaF -e "$PWD" -e "$HOME/" -e "$qt" "$stage" || true)
if [ -n "$leaks" ]; then
    echo "package-windows: paths of the build machine inside: $leaks" >&2
    exit 1
fi

zip=$PWD/build/windows/$(basename "$made")
mkdir -p "$(dirname "$zip")"
mv "$made" "$zip"
echo "$zip"
