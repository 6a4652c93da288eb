#!/bin/sh
# Builds the benchmark optimised, generates an installation of CHARTS charts when there is none,
# and prints one line per measurement: "<what> ratio <r> goal <g>" (details on standard error).
# Usage: bench/run.sh [CHARTS]   (default 30000)
set -e
charts=${1:-30000}
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="$PWD"
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DNOLVARI_TESTS=OFF > /dev/null
cmake --build build-bench --target bench_nolvari --parallel "${BENCH_JOBS:-2}" > /dev/null
exec build-bench/bench/bench_nolvari "$charts" "build-bench/installation-$charts"
