#!/usr/bin/env bash
# quorvane-cli built for Linux and for Windows (run under Wine) must agree byte for byte: the
# scripts they build from every example project, and the projects they save, which each then
# loads from the other's save.
# Usage: same-output-on-both-platforms.sh LINUX_CLI WINDOWS_CLI EXAMPLES_DIR WORK_DIR
# Wine comes from QV_WINE, with WINEPREFIX set.
set -euo pipefail

linux_cli=$1
windows_cli=$2
examples=$3
work=$4
wine=${QV_WINE:-/usr/lib/wine/wine64}
stamp="01.06.2026 18:30:00"

rm -rf "$work"
mkdir -p "$work/linux" "$work/windows"
# Paths as a Windows user types them: drive letter and backslashes.
to_windows() { "$wine" winepath -w "$1" | tr -d '\r'; }
windows_work=$(to_windows "$work")
windows_examples=$(to_windows "$examples")

failures=0
fail() {
    echo "DIFFERENT: $*" >&2
    failures=$((failures + 1))
}
same() {
    cmp -s "$1" "$2" || fail "$1 and $2"
}

# build_both LABEL LINUX_PROJECT WINDOWS_PROJECT [OPTIONS...]: build on both, compare.
build_both() {
    local label=$1 linux_project=$2 windows_project=$3
    shift 3
    "$linux_cli" build "$linux_project" --timestamp "$stamp" -o "$work/linux/$label" "$@"
    "$wine" "$windows_cli" build "$windows_project" --timestamp "$stamp" \
        -o "$windows_work\\windows\\$label" "$@"
    same "$work/linux/$label" "$work/windows/$label"
}

count=0
for project in "$examples"/*.qvnx; do
    name=$(basename "$project")
    count=$((count + 1))
    build_both "$name.txt" "$project" "$windows_examples\\$name"
    build_both "$name.test.txt" "$project" "$windows_examples\\$name" --test-script

    # Saved on each platform: the same files, and each loads on the other.
    "$linux_cli" save-as "$project" "$work/linux/$name"
    "$wine" "$windows_cli" save-as "$windows_examples\\$name" "$windows_work\\windows\\$name"
    for file in "$work/linux/$name"*; do
        [[ $file == *.txt ]] || same "$file" "$work/windows/${file##*/}"
    done
    build_both "$name.from-windows.txt" "$work/windows/$name" "$windows_work\\linux\\$name"
    same "$work/linux/$name.txt" "$work/linux/$name.from-windows.txt"
done

# A project in a folder with Cyrillic in its name, given as a Windows user types it. The Windows
# code page of the C.UTF-8 locale (1252) has no Cyrillic, so only the UTF-16 command line brings
# the name to the program intact.
export LC_ALL=C.UTF-8
mkdir -p "$work/Иван/Гонки"
cp "$examples"/lvcircuit.qvnx* "$work/Иван/Гонки/"
build_both cyrillic.txt "$work/Иван/Гонки/lvcircuit.qvnx" \
    "$windows_work\\Иван\\Гонки\\lvcircuit.qvnx"

[ "$count" -gt 0 ] || { echo "no example projects in $examples" >&2; exit 1; }
[ "$failures" -eq 0 ] || exit 1
echo "$count example projects: the same bytes from both platforms"
