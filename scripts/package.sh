#!/bin/sh
# Builds the Debian package: installs what is missing, makes an optimised build without tests
# or benchmarks in build-package/, and lets CPack write build-package/kalvio_VERSION_ARCH.deb.
# Same optimisation as the tested build (-O2; CPack strips the programs). Warnings do not stop
# the package: the test build keeps -Werror, and -O3 draws false alarms from g++ 12.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
build=build-package
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALVIO_WERROR=OFF \
    -DKALVIO_BUILD_TESTS=OFF -DKALVIO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
(cd "$build" && cpack -G DEB)
ls "$build"/kalvio_*.deb
