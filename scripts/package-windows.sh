#!/usr/bin/env bash
# Makes the zip a Windows user downloads: build/windows/quorvane-<version>-windows-x64.zip with
# quorvane.exe and quorvane-cli.exe of a Release build cross-built with MinGW-w64, the Qt DLLs
# and plugins they load, the MinGW runtime, Qt's Russian texts, the example projects and
# README.txt. Qt for Windows comes from scripts/build-qt-windows.sh (built once, then taken from
# its cache).
# Usage: scripts/package-windows.sh [BUILD [JOBS]]      (prints the zip's path)
# BUILD is a Release build folder made against that Qt (./test.sh packs the programs its tests
# ran); by default build/windows-release, configured here when needed.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/windows-release}
jobs=${2:-$(nproc)}
triplet=x86_64-w64-mingw32
version=$(sed -n 's/^project(Quorvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=quorvane-$version-windows-x64
zip=$PWD/build/windows/$name.zip
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

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
root=$stage/$name
mkdir -p "$root/platforms" "$root/styles" "$root/translations" "$root/examples"
for exe in quorvane quorvane-cli; do
    $triplet-strip -o "$root/$exe.exe" "$build/src/app/$exe.exe"
done
cp "$qt/plugins/platforms/qwindows.dll" "$root/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$root/styles/"
if compgen -G "$qt/plugins/imageformats/*.dll" >/dev/null; then
    mkdir -p "$root/imageformats"
    cp "$qt/plugins/imageformats/"*.dll "$root/imageformats/"
fi
cp "$qt/translations/qtbase_ru.qm" "$root/translations/"
cp examples/*.qvnx* "$root/examples/"

# Every DLL that the programs and plugins import and that Qt's bin folder holds (Qt and the
# MinGW runtime), followed through the DLLs' own imports; the rest comes with Windows.
imports() { $triplet-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
pending=("$root"/*.exe "$root"/*/*.dll)
while [ ${#pending[@]} -gt 0 ]; do
    file=${pending[0]}
    pending=("${pending[@]:1}")
    for dll in $(imports "$file"); do
        if [ -f "$qt/bin/$dll" ] && [ ! -f "$root/$dll" ]; then
            cp "$qt/bin/$dll" "$root/"
            pending+=("$root/$dll")
        fi
    done
done

# README.txt: Windows line ends, UTF-8 with a byte order mark so that every Notepad reads it.
{
    printf '\xef\xbb\xbf'
    sed "s/@VERSION@/$version/g" packaging/windows/README.txt | sed 's/$/\r/'
} >"$root/README.txt"

# Nothing of this machine may travel: no file names the sources, the build or Qt's cache.
leaks=$(grep -rlaF -e "$PWD" -e "$HOME/" -e "$qt" "$root" || true)
if [ -n "$leaks" ]; then
    echo "package-windows: paths of the build machine inside: $leaks" >&2
    exit 1
fi

mkdir -p "$(dirname "$zip")"
rm -f "$zip"
(cd "$stage" && TZ=UTC zip -q -X -9 -r "$zip" "$name")
echo "$zip"
