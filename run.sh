#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job: on a machine with a display, starts
# the editor; without one, builds the mission script of the example circuit race
# (examples/lvcircuit.qvnx) with quorvane-cli. Any arguments go to quorvane-cli instead, for
# example: ./run.sh build examples/lssprint.qvnx -o lssprint.txt
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh linux
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_TESTS=OFF
if [ $# -eq 0 ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
    cmake --build build/release -j "$(nproc)" --target quorvane
    exec build/release/src/app/quorvane
fi
cmake --build build/release -j "$(nproc)" --target quorvane-cli
if [ $# -eq 0 ]; then
    set -- build examples/lvcircuit.qvnx
fi
exec build/release/src/app/quorvane-cli "$@"
