#!/usr/bin/env bash
# Builds the benchmarks optimised (preset `bench`, Release) and runs them:
# five repetitions each, reporting mean, median and spread; the median is
# the number to compare, the others say how noisy the machine was.
#
#   scripts/bench.sh [BENCHMARK-ARGS...]   e.g. --benchmark_filter=ProcessTick
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
jobs="${VANTORIX_JOBS:-2}"

cmake --preset bench
cmake --build --preset bench --parallel "$jobs"

bench=build/bench/bench/vantorix_bench
if [[ ! -x "$bench" ]]; then
    echo "bench: no benchmarks yet (add bench/*.cpp)"
    exit 0
fi
exec "$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
