#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing.
# Usage: scripts/install-deps.sh [linux] [windows] [qt-windows] [fuzz] [screenshots]
set -euo pipefail

packages=()
for group in "$@"; do
    case "$group" in
        linux)
            packages+=(cmake ninja-build g++ googletest libbenchmark-dev
                       qt6-base-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libgl-dev
                       fonts-liberation fonts-dejavu-core locales) ;;
        windows)
            packages+=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine64) ;;
        qt-windows)
            # Qt for Windows built from Debian's source (scripts/build-qt-windows.sh), the editor's
            # smoke run under Wine on a virtual display, and the zip.
            packages+=(dpkg-dev xz-utils perl cmake ninja-build qt6-base-dev qt6-l10n-tools qt6-tools-dev
                       qt6-translations-l10n g++-mingw-w64-x86-64-posix wine64 fonts-wine
                       xvfb xdotool x11-apps imagemagick zip unzip binutils-mingw-w64-x86-64) ;;
        fuzz)
            packages+=(clang libclang-rt-dev) ;;
        screenshots)
            # The documentation's pictures of the editor on a virtual display
            # (scripts/screenshots.sh).
            packages+=(xvfb xauth) ;;
        *)
            echo "install-deps: unknown group '$group'" >&2
            exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then
        SUDO=sudo
    else
        echo "install-deps: these packages are missing and I am not root: ${missing[*]}" >&2
        exit 1
    fi
else
    SUDO=
fi
export DEBIAN_FRONTEND=noninteractive
if ! $SUDO apt-get update -q; then
    echo "install-deps: apt-get update failed" >&2
    exit 1
fi
if ! $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"; then
    echo "install-deps: could not install: ${missing[*]}" >&2
    exit 1
fi
