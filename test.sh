#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and the sanitizers, and
# runs every test.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh linux
jobs=$(nproc)

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DQV_WERROR=ON -DQV_SANITIZE=ON -DQV_BUILD_UI=ON -DQV_BUILD_BENCH=ON
cmake --build build/test -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure -j "$jobs"
