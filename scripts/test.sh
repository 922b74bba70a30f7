#!/bin/sh
# Installs what is missing, then configures, builds and runs every test, then repeats the tests
# under the sanitizers (scripts/sanitizers.sh).
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)"
ctest --preset default
./scripts/sanitizers.sh
