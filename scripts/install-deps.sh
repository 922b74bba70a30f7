#!/bin/sh
# Installs the Debian packages the build and the tests need, skipping those already present.
# With arguments, installs those packages instead (the fuzzing and comparison scripts use it).
set -eu
# The window needs Qt 6 Widgets, a Japanese font, and Xvfb for its screenshot test; the packaging
# tests validate the desktop entry, the metainfo and the man pages; CPack's Debian package asks
# dpkg-shlibdeps for its library dependencies.
packages="g++ cmake make libgtest-dev libgmock-dev libbenchmark-dev libgmp-dev
          qt6-base-dev libgl-dev fonts-noto-cjk xvfb xauth
          desktop-file-utils appstream groff-base dpkg-dev"
if [ "$#" -gt 0 ]; then
    packages="$*"
fi
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
