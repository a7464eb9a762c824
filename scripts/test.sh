#!/usr/bin/env bash
# Installs the dependencies, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build_dir=${QUENLARK_TEST_BUILD_DIR:-build/test}
jobs=$(nproc)
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Debug \
      -DQUENLARK_SANITIZERS=ON -DQUENLARK_WARNINGS_AS_ERRORS=ON -DQUENLARK_BUILD_TESTS=ON
cmake --build "$build_dir" -j "$jobs"
ctest --test-dir "$build_dir" -j "$jobs" --output-on-failure
