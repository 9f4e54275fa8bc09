#!/usr/bin/env bash
# Builds Qt Widgets for 64-bit Windows once, from Debian's own qt6-base source, with the MinGW-w64
# posix compilers and Debian's host Qt (the same version) for its tools, and prints the prefix.
# The result is kept in ~/.cache/quorvane/qt-<Debian's version of qt6-base>-mingw64-<hash of this
# script> and reused, so that a new revision of the package (a security update) is built anew; a
# build that does not finish leaves nothing behind in the cache.
# Usage: scripts/build-qt-windows.sh [JOBS]      (prints the Qt prefix on stdout)
set -euo pipefail

jobs=${1:-$(nproc)}
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
# The whole version, revision included (6.4.2+dfsg-10), in letters safe in a folder name and in
# the paths CMake matches as patterns: 6.4.2_dfsg-10.
key=$(printf '%s' "$version" | tr -c 'A-Za-z0-9.-' '_')
hash=$(sha256sum "${BASH_SOURCE[0]}" | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/quorvane
prefix=$cache/qt-$key-mingw64-$hash
triplet=x86_64-w64-mingw32

mkdir -p "$cache"
# Two builds at once (test.sh in two work trees) wait for each other instead of building twice.
exec 9>"$cache/.qt-build.lock"
flock 9
if [ -d "$prefix" ]; then
    echo "$prefix"
    exit 0
fi

log() { echo "build-qt-windows: $*" >&2; }

# The source package comes from Debian's archive, which needs deb-src entries of its own: the main
# suite, its updates and the security suite, where the source of a security update is.
# shellcheck source=/dev/null
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
suites=("$codename" "$codename-updates" "$codename-security")
# shellcheck disable=SC2016 # apt's own fields
sources=$(apt-get indextargets --format '$(CREATED_BY) $(CODENAME)' 2>/dev/null || true)
missing=0
for suite in "${suites[@]}"; do
    grep -qx "Sources $suite" <<<"$sources" || missing=1
done
if [ "$missing" = 1 ]; then
    log "adding deb-src entries for Debian's ${suites[*]}"
    [ "$(id -u)" -eq 0 ] && SUDO= || SUDO=sudo
    $SUDO tee /etc/apt/sources.list.d/quorvane-deb-src.sources >/dev/null <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $codename $codename-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://security.debian.org/debian-security
Suites: $codename-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    $SUDO apt-get update -q >&2
fi

work=$(mktemp -d "$cache/qt-build.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
log "fetching qt6-base $version"
apt-get source --download-only "qt6-base=$version" >"$work/apt.log" 2>&1 || {
    cat "$work/apt.log" >&2
    exit 1
}
dpkg-source -x qt6-base_*.dsc source >&2

# Qt's own toolchain: its DLLs use the compiler's runtime DLLs, which are shipped beside them.
cat >"$work/mingw.cmake" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $triplet-gcc-posix)
set(CMAKE_CXX_COMPILER $triplet-g++-posix)
set(CMAKE_RC_COMPILER $triplet-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$triplet)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# File names that Qt's code writes into its DLLs (in its assertions) name the build folder
# without this machine's part of it.
set(CMAKE_C_FLAGS_INIT "-fmacro-prefix-map=$work/=")
set(CMAKE_CXX_FLAGS_INIT "-fmacro-prefix-map=$work/=")
EOF

log "configuring (the build log is $work/build.log while it runs)"
off=(dbus sql network xml concurrent printsupport opengl vulkan tabletevent jpeg gif ico zstd icu
     system_png system_jpeg system_freetype system_harfbuzz system_zlib system_pcre2
     system_doubleconversion)
on=(widgets png freetype harfbuzz style_windowsvista accessibility direct2d)
features=()
for f in "${off[@]}"; do features+=("-DFEATURE_$f=OFF"); done
for f in "${on[@]}"; do features+=("-DFEATURE_$f=ON"); done
# Each step stops the script when it fails; its log is kept beside the cache to be read.
step() {
    if ! "$@" >>"$work/build.log" 2>&1; then
        cp "$work/build.log" "$cache/qt-build-failed.log"
        grep -E -B2 -A12 'error|FAILED' "$work/build.log" | head -n 80 >&2 || true
        log "failed; the whole log is $cache/qt-build-failed.log"
        exit 1
    fi
}
step cmake -S source -B build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$work/mingw.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DINPUT_opengl=no "${features[@]}" \
    -DCMAKE_INSTALL_PREFIX="$prefix"
log "building with $jobs jobs"
step cmake --build build -j "$jobs"
DESTDIR="$work/stage" step cmake --install build --strip

staged=$work/stage$prefix
for dll in "/usr/lib/gcc/$triplet/"*-posix/libgcc_s_seh-1.dll \
    "/usr/lib/gcc/$triplet/"*-posix/libstdc++-6.dll "/usr/$triplet/lib/libwinpthread-1.dll"; do
    install -m 644 "$dll" "$staged/bin/"
    $triplet-strip --strip-unneeded "$staged/bin/$(basename "$dll")"
done
# Qt's own Russian texts, of the same version, from Debian's qt6-translations-l10n.
install -D -m 644 /usr/share/qt6/translations/qtbase_ru.qm "$staged/translations/qtbase_ru.qm"
mv "$staged" "$prefix"
log "done: $prefix ($(du -sh "$prefix" | cut -f1))"
echo "$prefix"
