#!/usr/bin/env bash
# Builds and runs the benchmarks; extra arguments go to Google Benchmark
# (e.g. --benchmark_filter=Render).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build -j "$(nproc)" --target headbot-bench game_files game_art >/dev/null
exec build/bench/headbot-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
