#!/bin/sh
# Installs the build into a temporary prefix and checks that the pieces a desktop looks up
# find each other: the entry's command and icon, the metainfo's launchable, the man pages.
# Usage: installed_tree_test.sh BUILD_DIR APP_ID VERSION
set -eu
build_dir=$1
app_id=$2
version=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

desktop="$prefix/share/applications/$app_id.desktop"
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
[ -f "$desktop" ] || fail "no desktop entry $desktop"
[ -f "$metainfo" ] || fail "no metainfo $metainfo"

for program in kalvio kalvio-cli; do
    [ -x "$prefix/bin/$program" ] || fail "$program is not installed as a program"
    gzip -t "$prefix/share/man/man1/$program.1.gz" || fail "man page of $program is not gzip"
done

exec_command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$prefix/bin/$exec_command" ] || fail "Exec=$exec_command is not an installed program"

icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon"
for size in 16 32 48 64 128 256; do
    [ -f "$prefix/share/icons/hicolor/${size}x$size/apps/$icon.png" ] ||
        fail "no ${size}x$size icon $icon"
done

grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $app_id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo release is not $version"
zcat "$prefix/share/man/man1/kalvio-cli.1.gz" | grep -q "Kalvio $version" ||
    fail "man page does not name version $version"

[ "$("$prefix/bin/kalvio-cli" --version)" = "kalvio-cli $version" ] ||
    fail "installed kalvio-cli does not report $version"
[ "$("$prefix/bin/kalvio-cli" "1+2*3")" = "7" ] || fail "installed kalvio-cli does not calculate"
echo "installed tree complete"
