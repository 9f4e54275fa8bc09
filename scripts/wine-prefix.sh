#!/usr/bin/env bash
# Creates a throwaway 64-bit Wine prefix for running the Windows tests: with the null graphics
# driver, which needs no display (the default), or with the X11 driver, whose windows appear on
# $DISPLAY when a program runs. Wine passes no Unix variable starting with QT_ to a program, so
# the prefix's own environment holds what Qt programs need in it: their messages and QtTest's
# results go to standard error (without a console they would go to the debugger), and Qt's
# offscreen platform, which reads fonts from one folder, finds Windows' fonts in
# C:\windows\Fonts, where Wine's own (Tahoma) and this machine's DejaVu and Liberation fonts are
# linked.
# Usage: scripts/wine-prefix.sh PREFIX [null|x11]
set -euo pipefail

prefix=${1:?usage: wine-prefix.sh PREFIX [null|x11]}
driver=${2:-null}
wine=/usr/lib/wine/wine64

export WINEPREFIX=$(realpath -m "$prefix") WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -f "$WINEPREFIX/.quorvane-prefix-3" ] && exit 0

rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
# Made without a display: the null graphics driver lets programs create windows that nobody sees.
"$wine" wineboot -i >/dev/null 2>&1 || true
"$wine" reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null
"$wine" reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d 'C:\windows\Fonts' /f >/dev/null
for font in /usr/share/wine/fonts/*.ttf /usr/share/fonts/truetype/{dejavu,liberation}*/*.ttf; do
    if [ -f "$font" ]; then
        ln -sf "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
done
if [ "$driver" = null ]; then
    "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
fi
/usr/lib/wine/wineserver -w
touch "$WINEPREFIX/.quorvane-prefix-3"
