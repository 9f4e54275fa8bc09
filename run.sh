#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job: prints the script of the built-in
# sample race.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh linux
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_TESTS=OFF
cmake --build build/release -j "$(nproc)"
exec build/release/src/app/quorvane-cli "$@"
