#!/usr/bin/env bash
# Creates a throwaway 64-bit Wine prefix for running the Windows tests: with the null graphics
# driver, which needs no display (the default), or with the X11 driver, whose windows appear on
# $DISPLAY when a program runs. Qt programs in it print their messages and QtTest its results to
# standard error: without a console they would go to the debugger, and Wine passes no Unix
# variable starting with QT_, so the setting lives in the prefix's own environment.
# Usage: scripts/wine-prefix.sh PREFIX [null|x11]
set -euo pipefail

prefix=${1:?usage: wine-prefix.sh PREFIX [null|x11]}
driver=${2:-null}
wine=/usr/lib/wine/wine64

export WINEPREFIX=$(realpath -m "$prefix") WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -f "$WINEPREFIX/.quorvane-prefix-2" ] && exit 0

rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
# Made without a display: the null graphics driver lets programs create windows that nobody sees.
"$wine" wineboot -i >/dev/null 2>&1 || true
"$wine" reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null
if [ "$driver" = null ]; then
    "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
fi
/usr/lib/wine/wineserver -w
touch "$WINEPREFIX/.quorvane-prefix-2"
