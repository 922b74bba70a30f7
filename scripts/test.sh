#!/bin/sh
# Installs what is missing, then configures, builds and runs every test.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)"
ctest --preset default
