#!/usr/bin/env bash
# Builds the libFuzzer targets with clang 14 (AddressSanitizer and
# UndefinedBehaviorSanitizer included) and runs each for a bounded time.
#
#     bash scripts/fuzz.sh [seconds per target, default 60]
#
# The build goes to build/fuzz (FUZZ_BUILD_DIR overrides it); each target's
# corpus grows in <build>/corpus/<target>, seeded from fuzz/seeds/<target>.
# A crash leaves its input as <build>/crash-* and ends the script with failure.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$root/build/fuzz}"
seconds="${1:-60}"
targets=(reply_fuzzer logonreply_fuzzer)

cmake -S "$root" -B "$build" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    -DQUENLARK_SANITIZERS=ON -DQUENLARK_BUILD_FUZZERS=ON -DQUENLARK_BUILD_TESTS=OFF
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    seeds=()
    [ -d "$root/fuzz/seeds/$target" ] && seeds=("$root/fuzz/seeds/$target")
    echo "== $target: $seconds s"
    (cd "$build" && "$build/fuzz/$target" -max_total_time="$seconds" -max_len=8192 \
        -print_final_stats=1 "$corpus" "${seeds[@]}")
done
