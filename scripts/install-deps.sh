#!/bin/sh
# Installs the Debian packages the build and the tests need, skipping those already present.
set -eu
packages="g++ cmake make libgtest-dev libgmock-dev libbenchmark-dev libgmp-dev"
missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi
