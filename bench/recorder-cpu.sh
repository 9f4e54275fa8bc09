#!/bin/bash
# The processor time of recording at 20 samples a second: quorvane-cli records the fake game
# (a vehicle standing in the game's memory, read through the same calls as a real game) for
# SECONDS (default 60), and its user and system time are divided by the time it ran.
# Usage: bench/recorder-cpu.sh BUILD [SECONDS]   (BUILD: a build folder with quorvane-cli and
# qv_fake_driving_game, Release for the figure)
set -euo pipefail
build=${1:?usage: recorder-cpu.sh BUILD [SECONDS]}
seconds=${2:-60}
work=$(mktemp -d)
trap 'kill "$game" 2>/dev/null || true; rm -rf "$work"' EXIT

"$build/src/app/quorvane-cli" save-as "$(dirname "$0")/../examples/lssprint.qvnx" \
    "$work/race.qvnx" >/dev/null
"$build/tests/fakes/qv_fake_driving_game" parked &
game=$!
sleep 0.5
/usr/bin/time -f "%U %S %e" -o "$work/time" "$build/src/app/quorvane-cli" record \
    "$work/race.qvnx" --seconds "$seconds" >/dev/null
read -r user system elapsed <"$work/time"
awk -v u="$user" -v s="$system" -v e="$elapsed" 'BEGIN {
    printf "processor time %.2f s (user %.2f, system %.2f) over %.1f s: %.3f%% of one core\n",
           u + s, u, s, e, 100 * (u + s) / e }'
