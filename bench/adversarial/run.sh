#!/bin/sh
# Builds the adversarial runner (default preset) and runs the suite: every expression of
# expressions.txt in double and decimal mode, every settings file of settings/ and three
# generated 100 MB files. Prints the slowest inputs; fails when an input crashes, loses settings
# data or takes longer than the budget (50 ms). Arguments go to the runner, e.g. --repeat 5.
set -eu
cd "$(dirname "$0")/../.."
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target adversarial_runner
exec build/bench/adversarial/adversarial_runner "$@"
