#!/usr/bin/env bash
# The editor's start-up time and peak memory, measured with editor_probe from a Release build
# with the benchmarks: bench/editor-figures.sh BUILD_DIR. Runs under Xvfb when there is no
# display.
set -euo pipefail
probe="$1/bench/editor_probe"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
runs=10
times=()
"$probe" startup  # warm the file cache once
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$probe" startup
    times+=($((($(date +%s%N) - start) / 1000000)))
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "start to main window shown: median $(echo "$sorted" | sed -n "$((runs / 2))p") ms," \
     "best $(echo "$sorted" | head -1) ms, worst $(echo "$sorted" | tail -1) ms ($runs runs)"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$probe" largest "$folder"
