#!/bin/sh
# The sanitizer builds of CI: every test under the address and undefined-behaviour sanitizers
# (asan preset, build-asan/), then the tests of the code that runs on threads, the real-time
# evaluation and its executor, under the thread sanitizer (tsan preset, build-tsan/).
# Any report fails the run: the presets stop at the first undefined behaviour, and the options
# below make leaks and data races fatal as well.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc)
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"

cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan

# The real-time evaluation lives in the calculator layer, and its tests drive it on plain threads;
# only they are built for the thread sanitizer. (The window's executor runs on Qt's thread pool,
# whose locks the sanitizer cannot see in the uninstrumented Debian Qt: it reports races inside
# Qt.)
cmake --preset tsan
cmake --build build-tsan -j "$jobs" --target kalvio_calculator_tests
ctest --test-dir build-tsan --output-on-failure -j "$jobs" -R 'RealTime|ThreadTaskExecutor' \
    --no-tests=error
