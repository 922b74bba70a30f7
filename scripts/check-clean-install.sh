#!/bin/sh
# Installs the Debian package into a fresh, minimal Debian 12 system (debootstrap, then chroot
# in a private mount namespace) and starts kalvio there under Xvfb: it passes when the package's
# dependencies suffice for the program to map its window with a Japanese font present.
#
# Usage (as root): scripts/check-clean-install.sh [PACKAGE.deb]
#   default package: the newest build-package/kalvio_*.deb (scripts/package.sh makes it)
# Environment:
#   KALVIO_DEBIAN_BASE    pristine debootstrap tree, made on first use and then only copied
#                         (default /tmp/kalvio-debian12-base)
#   KALVIO_DEBIAN_MIRROR  Debian mirror (default: the first one this machine's apt uses)
#   KALVIO_SCREENSHOT     where to save a screenshot of the window (default: none)
set -eu
cd "$(dirname "$0")/.."

deb=${1:-$(ls -t build-package/kalvio_*.deb 2>/dev/null | head -n 1)}
[ -n "$deb" ] && [ -f "$deb" ] || { echo "no package: run scripts/package.sh first" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "debootstrap and chroot need root" >&2; exit 2; }
base=${KALVIO_DEBIAN_BASE:-/tmp/kalvio-debian12-base}

host_mirror() {
    sed -n 's/^URIs: *\([^ ]*\/debian\)\/* *$/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null |
        head -n 1
    sed -n 's/^deb  *\(http[^ ]*\/debian\)\/*  *bookworm .*/\1/p' /etc/apt/sources.list 2>/dev/null |
        head -n 1
}

if [ ! -x "$base/usr/bin/apt-get" ]; then
    command -v debootstrap >/dev/null ||
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap
    mirror=${KALVIO_DEBIAN_MIRROR:-$(host_mirror | head -n 1)}
    [ -n "$mirror" ] || { echo "no Debian mirror: set KALVIO_DEBIAN_MIRROR" >&2; exit 2; }
    rm -rf "$base.partial"
    nice debootstrap --variant=minbase bookworm "$base.partial" "$mirror"
    mv "$base.partial" "$base"
fi

root=$(mktemp -d /tmp/kalvio-clean-install.XXXXXX)
# Mounts live only in the private namespace below, so removing the tree never reaches the host.
trap 'rm -rf "$root"' EXIT
cp -a "$base/." "$root/"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/kalvio.deb"
cp scripts/clean-install-inside.sh "$root/tmp/inside.sh"

echo "Package: $deb"
dpkg-deb -f "$deb" Package Version Depends
unshare --mount --propagation private sh -c '
    set -e
    mount -t proc proc "$1/proc"
    mount --rbind /dev "$1/dev"
    mount -t tmpfs tmpfs "$1/dev/shm"
    chroot "$1" sh /tmp/inside.sh
' unshare "$root"

if [ -n "${KALVIO_SCREENSHOT:-}" ] && [ -f "$root/tmp/window.xwd" ]; then
    convert "xwd:$root/tmp/window.xwd" "$KALVIO_SCREENSHOT" && echo "Screenshot: $KALVIO_SCREENSHOT"
fi
echo "Clean install check passed."
