#!/bin/sh
# Installs what is missing, configures and builds, then starts the calculator with the given
# arguments (for example --settings FILE).
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target kalvio -j "$(nproc)"
exec ./build/kalvio "$@"
