#!/usr/bin/env bash
# Creates a throwaway 64-bit Wine prefix that needs no display, for running the Windows tests.
# Usage: scripts/wine-prefix.sh PREFIX
set -euo pipefail

prefix=${1:?usage: wine-prefix.sh PREFIX}
wine=/usr/lib/wine/wine64

export WINEPREFIX=$(realpath -m "$prefix") WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -f "$WINEPREFIX/.quorvane-ready" ] && exit 0

rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
# No X server: the null graphics driver lets programs create windows that nobody sees.
"$wine" wineboot -i >/dev/null 2>&1 || true
"$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
/usr/lib/wine/wineserver -w
touch "$WINEPREFIX/.quorvane-ready"
