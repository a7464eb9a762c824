#!/usr/bin/env bash
# Installs the dependencies, builds the client and the test server, and starts
# a trial: the test server on 127.0.0.1 with the sample data set
# (product/testserver/fixtures/sample.textproto), then the client, set up to
# reach it. The trial keeps its settings in a folder of its own, so the user's
# own client settings stay untouched. Closing the client stops the server.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build_dir=${QUENLARK_BUILD_DIR:-build/release}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENLARK_BUILD_TESTS=OFF
cmake --build "$build_dir" -j "$(nproc)" --target quenlark-client quenlark-test-server

trial_dir=$(mktemp -d "${TMPDIR:-/tmp}/quenlark-trial.XXXXXX")
server_pid=
stop_trial() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    rm -rf "$trial_dir"
}
trap stop_trial EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

"$build_dir/product/testserver/quenlark-test-server" --port 0 \
    --fixture product/testserver/fixtures/sample.textproto \
    >"$trial_dir/server.out" 2>"$trial_dir/server.log" &
server_pid=$!

# Once it listens, the server prints "listening on 127.0.0.1:<port>".
port=
for _ in $(seq 300); do
    if line=$(grep -m 1 '^listening on 127\.0\.0\.1:' "$trial_dir/server.out"); then
        port=${line##*:}
        break
    fi
    kill -0 "$server_pid" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$port" ]; then
    echo "The sample server did not start:" >&2
    cat "$trial_dir/server.log" >&2
    exit 1
fi

# The client reads its settings below XDG_CONFIG_HOME, in the folder of its
# organisation; the log-on dialog opens with this server filled in.
mkdir -p "$trial_dir/config/Quenlark"
cat >"$trial_dir/config/Quenlark/QuenlarkClient.conf" <<SETTINGS
[NetworkSettings]
ServerName=127.0.0.1
ServerPort=$port
DefaultTimeZone=America/New_York
SETTINGS

echo "Sample server on 127.0.0.1:$port: log on as avery with the password quenlark-trial."
XDG_CONFIG_HOME="$trial_dir/config" "$build_dir/product/client/quenlark-client" "$@"
