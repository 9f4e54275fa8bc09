#!/usr/bin/env bash
# Checks the Windows zip as a user gets it: unpacked into an empty folder with a Cyrillic name
# under a fresh Wine prefix that has nothing else installed, its quorvane-cli.exe builds every
# example to the same bytes as the Linux tool, and its quorvane.exe runs the smoke run
# (scripts/wine-smoke-run.sh) on an example: everything it loads must come from the zip.
# Usage: scripts/check-windows-package.sh ZIP LINUX_QUORVANE_CLI
set -euo pipefail

zip=$(realpath "${1:?usage: check-windows-package.sh ZIP LINUX_QUORVANE_CLI}")
linux_cli=$(realpath "${2:?usage: check-windows-package.sh ZIP LINUX_QUORVANE_CLI}")
here=$(dirname "$(realpath "$0")")
wine=/usr/lib/wine/wine64
stamp="01.06.2026 18:30:00"

# UTF-8 arguments for Wine to pass on; its Windows code page for this locale (1252) has no
# Cyrillic, so the folder's name reaches the programs only through the UTF-16 command line.
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPATH=
"$here/wine-prefix.sh" "$WINEPREFIX" x11

folder=$WINEPREFIX/drive_c/users/Иван/Гонки
mkdir -p "$folder"
unzip -q "$zip" -d "$folder"
app=$(echo "$folder"/quorvane-*-windows-x64)
echo "check-windows-package: $(du -k "$zip" | cut -f1) KB zipped, $(du -sk "$app" | cut -f1) KB unpacked" >&2

for project in "$app"/examples/*.qvnx; do
    name=$(basename "$project" .qvnx)
    "$linux_cli" build "$project" --timestamp "$stamp" -o "$work/$name.linux.txt"
    "$wine" "$app/quorvane-cli.exe" build \
        "C:\\users\\Иван\\Гонки\\$(basename "$app")\\examples\\$name.qvnx" \
        --timestamp "$stamp" -o "C:\\users\\Иван\\Гонки\\$name.txt"
    cmp "$work/$name.linux.txt" "$folder/$name.txt"
done

"$here/wine-smoke-run.sh" "$app/quorvane.exe" "$app/examples/lvcircuit.qvnx" \
    "$(dirname "$zip")/package-smoke-run.png" "$WINEPREFIX"
echo "check-windows-package: passed" >&2
