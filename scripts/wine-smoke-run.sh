#!/usr/bin/env bash
# The editor for Windows as a user meets it: quorvane.exe with Qt's windows platform, under Wine's
# X11 driver on a virtual display of its own. It opens PROJECT from its command line, answers the
# load summary, builds (F5), takes a screenshot of the screen with the "Mission Script" window,
# and quits through the main window's close button and the question that follows. Fails when a
# step does not happen, when Wine reports a DLL that cannot be found, or when the editor does not
# end by itself with exit status 0.
# Usage: scripts/wine-smoke-run.sh QUORVANE_EXE PROJECT SCREENSHOT PREFIX
# PREFIX is a Wine prefix made with the X11 driver if it does not exist. WINEPATH may name the
# folders of Qt's DLLs when they are not beside the program.
set -euo pipefail

exe=$(realpath "${1:?usage: wine-smoke-run.sh QUORVANE_EXE PROJECT SCREENSHOT PREFIX}")
project=$(realpath "$2")
screenshot=$(realpath -m "$3")
prefix=$(realpath -m "$4")
wine=/usr/lib/wine/wine64
here=$(dirname "$(realpath "$0")")

"$here/wine-prefix.sh" "$prefix" x11
# A Russian user's Windows where the machine has the locale; window titles are matched in UTF-8.
if locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
    export LC_ALL=ru_RU.UTF-8
else
    export LC_ALL=C.UTF-8
fi
export WINEPREFIX=$prefix WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=err+all,fixme-all
# Wine's processes of the prefix that started without our display (a program run just before)
# would keep every window off it: they are let end first.
timeout 30 /usr/lib/wine/wineserver -w 2>/dev/null || /usr/lib/wine/wineserver -k 2>/dev/null || true
work=$(mktemp -d)
xvfb=
editor=
finish() {
    if [ -n "$editor" ]; then
        kill "$editor" 2>/dev/null || true
    fi
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT

# A display of its own: Xvfb picks a free number and writes it to us.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "smoke run: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")
exec 3>&-

started=$(date +%s.%N)
(cd "$work" && exec "$wine" "$exe" "$("$wine" winepath -w "$project" 2>/dev/null)") \
    2>"$work/wine.log" &
editor=$!

fail() {
    echo "smoke run: $*" >&2
    [ -s "$work/wine.log" ] && sed -n 1,40p "$work/wine.log" >&2
    import -window root "$screenshot" 2>/dev/null || true
    exit 1
}
# find_window TITLE SECONDS: the id of the first visible window whose title holds TITLE,
# waiting up to SECONDS for one. The titles are compared here: xdotool's own search by name does
# not match Cyrillic ones.
find_window() {
    local id
    for _ in $(seq $(($2 * 2))); do
        for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
            if [[ $(xdotool getwindowname "$id" 2>/dev/null) == *"$1"* ]]; then
                echo "$id"
                return 0
            fi
        done
        kill -0 "$editor" 2>/dev/null || fail "the editor ended before a window \"$1\" appeared"
        sleep 0.5
    done
    return 1
}
wait_for() {
    find_window "$1" 60 || fail "no window \"$1\" within a minute"
}
# press WINDOW KEYS: gives WINDOW the keyboard (there is no window manager) and presses KEYS.
press() {
    timeout 10 xdotool windowfocus --sync "$1" || true
    sleep 0.3
    xdotool key --clearmodifiers "$2"
}

box=$(wait_for "Миссия")
awk -v a="$started" -v b="$(date +%s.%N)" \
    'BEGIN { printf "smoke run: started and loaded the project in %.1f s\n", b - a }' >&2
press "$box" Return
main=$(wait_for " - Quorvane 0.9")  # "lvcircuit.qvnx - Quorvane 0.9"
press "$main" F5
wait_for "Mission Script" >/dev/null
sleep 1
import -window root "$screenshot"
# Alt+F4 closes Wine's active window: first the "Mission Script" window that F5 brought to the
# front, then the main window, which asks.
question=
for _ in 1 2 3; do
    press "$main" alt+F4
    if question=$(find_window "Выход" 5); then
        break
    fi
done
[ -n "$question" ] || fail "closing the main window did not ask \"Выход\""
press "$question" Return
for _ in $(seq 60); do
    kill -0 "$editor" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$editor" 2>/dev/null && fail "the editor did not end after the question was answered"
status=0
wait "$editor" || status=$?
editor=
[ "$status" -eq 0 ] || fail "the editor ended with exit status $status"
if grep -E "err:module|Library .* not found" "$work/wine.log" >&2; then
    fail "Wine could not load a DLL"
fi
echo "smoke run: passed; the screenshot is $screenshot" >&2
