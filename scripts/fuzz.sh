#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/) with clang in build/fuzz and runs each for SECONDS,
# JOBS at a time, from the seeds in fuzz/corpus/<name> and what earlier runs kept in
# build/fuzz/corpus/<name>, with one fixed seed. Fails when a target does not build or a run
# finds a fault; the input that found it is left in build/fuzz (crash-*, timeout-*, oom-*).
# Usage: scripts/fuzz.sh [SECONDS] [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
jobs=${2:-$(nproc)}

targets=$(sed -n 's/^set(QV_FUZZ_TARGETS \(.*\))$/\1/p' fuzz/CMakeLists.txt)
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQV_FUZZ=ON -DQV_BUILD_TESTS=OFF -DQV_BUILD_UI=OFF >/dev/null
# shellcheck disable=SC2086
cmake --build build/fuzz -j "$jobs" --target $targets

run_one() {
    local target=$1 seconds=$2 name=${1%_fuzz} options=()
    # Projects are read whole, so short inputs reach every reader sooner.
    [ "$name" = project_load ] && options+=(-max_len=8192)
    mkdir -p "build/fuzz/corpus/$name"
    if (cd build/fuzz && "fuzz/$target" -max_total_time="$seconds" -timeout=10 -seed=1 \
            -print_final_stats=1 "${options[@]}" "corpus/$name" "../../fuzz/corpus/$name") \
            >"build/fuzz/$target.log" 2>&1; then
        echo "$target: $(grep -o 'stat::number_of_executed_units: *[0-9]*' \
            "build/fuzz/$target.log" | grep -o '[0-9]*$') runs, nothing found"
    else
        echo "$target: FAILED, see build/fuzz/$target.log" >&2
        tail -n 30 "build/fuzz/$target.log" >&2
        return 1
    fi
}
export -f run_one

# shellcheck disable=SC2086
printf '%s\n' $targets | xargs -P "$jobs" -I{} bash -c 'run_one "$1" "$2"' _ {} "$seconds"
