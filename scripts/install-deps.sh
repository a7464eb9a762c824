#!/usr/bin/env bash
# Installs every Debian 12 package the project needs to build, run and test.
# Non-interactive and safe to run again.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  qt6-base-dev qt6-scxml-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libqt6svg6
  qt6-image-formats-plugins
  libace-dev
  libprotobuf-dev protobuf-compiler
  libssl-dev openssl
  libboost-dev libboost-regex-dev libboost-date-time-dev
  libhunspell-dev hunspell-en-us
  tango-icon-theme fonts-dejavu-core
  tzdata
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev
  python3
)
# npm fetches the icon set that the editors insert (resources/contenticons);
# a machine that has Node.js and npm already keeps its own.
if ! command -v npm >/dev/null; then packages+=(npm); fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${packages[@]}"
