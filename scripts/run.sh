#!/usr/bin/env bash
# Installs the dependencies, builds the client and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build_dir=${QUENLARK_BUILD_DIR:-build/release}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENLARK_BUILD_TESTS=OFF
cmake --build "$build_dir" -j "$(nproc)" --target quenlark-client
exec "$build_dir/product/client/quenlark-client" "$@"
