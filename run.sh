#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job: builds the mission script of the
# example circuit race (examples/lvcircuit.qvnx) with quorvane-cli. Any arguments go to
# quorvane-cli instead, for example: ./run.sh build examples/lssprint.qvnx -o lssprint.txt
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh linux
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_TESTS=OFF
cmake --build build/release -j "$(nproc)" --target quorvane-cli
if [ $# -eq 0 ]; then
    set -- build examples/lvcircuit.qvnx
fi
exec build/release/src/app/quorvane-cli "$@"
