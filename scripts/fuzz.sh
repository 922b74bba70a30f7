#!/bin/sh
# Builds the libFuzzer targets of fuzz/ with clang (address and undefined-behaviour sanitizers)
# into build-fuzz/ and runs one of them, or all of them one after another, for a given time.
#
#   scripts/fuzz.sh [TARGET|all] [SECONDS]      e.g. scripts/fuzz.sh bcd_fuzz 600
#
# Defaults: all targets, 60 seconds each. New inputs go to build-fuzz/corpus/TARGET (the committed
# seed corpus in fuzz/corpus/TARGET is read, never written); a crash is saved as
# build-fuzz/crash-* and stops the run. Set FUZZ_NICE=0 to run at normal priority.
set -eu
cd "$(dirname "$0")/.."
target=${1:-all}
seconds=${2:-60}
nice_level=${FUZZ_NICE:-19}

./scripts/install-deps.sh clang-14 libclang-rt-14-dev
CLANG=clang-14
CLANGXX=$(echo "$CLANG" | sed 's/^clang/clang++/')

./scripts/install-deps.sh
flags="-g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER="$CLANG" -DCMAKE_CXX_COMPILER="$CLANGXX" \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DKALVIO_FUZZ=ON -DKALVIO_BUILD_TESTS=OFF -DKALVIO_BUILD_BENCH=OFF -DKALVIO_WERROR=OFF >/dev/null

targets=$(sed -n 's/^kalvio_fuzz_target(\([a-z_]*\).*/\1/p' fuzz/CMakeLists.txt)
if [ "$target" != all ]; then
    echo "$targets" | grep -qx "$target" || { echo "unknown target $target; one of: all" $targets >&2; exit 2; }
    targets=$target
fi
# shellcheck disable=SC2086
cmake --build build-fuzz -j "$(nproc)" --target $targets

for name in $targets; do
    mkdir -p "build-fuzz/corpus/$name"
    options="-max_total_time=$seconds -print_final_stats=1 -artifact_prefix=build-fuzz/"
    if [ -f "fuzz/dict/$name.dict" ]; then
        options="$options -dict=fuzz/dict/$name.dict"
    fi
    echo "== $name for $seconds s"
    # shellcheck disable=SC2086
    nice -n "$nice_level" "build-fuzz/fuzz/$name" $options "build-fuzz/corpus/$name" "fuzz/corpus/$name"
done
