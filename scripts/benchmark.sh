#!/usr/bin/env bash
# Builds the Google Benchmark programs in Release (no sanitizers) and runs them.
#
#     bash scripts/benchmark.sh [benchmark options, e.g. --benchmark_repetitions=5]
#
# The build goes to build/benchmark (BENCHMARK_BUILD_DIR overrides it).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BENCHMARK_BUILD_DIR:-$root/build/benchmark}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUENLARK_BUILD_BENCHMARKS=ON
benchmarks=(
    network_benchmark
    wizardpages_benchmark
    text_search_benchmark
    messagechain_benchmark
    iconpicker_benchmark
    searchresults_benchmark
    deleteddocuments_benchmark
    picker_benchmark
    documentbrowser_benchmark
    messagelist_benchmark
    documenteditor_benchmark
    messagereader_benchmark
    messageeditor_benchmark
    keyring_benchmark
)
cmake --build "$build" -j"$(nproc)" --target "${benchmarks[@]}"
for benchmark in "${benchmarks[@]}"; do
    "$build/benchmarks/$benchmark" "$@"
done
