#!/usr/bin/env bash
# Installs a build into a scratch root and checks what a Linux desktop looks
# for there: the program, its menu entry (desktop-file-validate), its icon in
# every hicolor size, and its AppStream data (appstreamcli, offline).
#
#   packaging/check-install.sh BUILD_DIR
set -euo pipefail

build=${1:?usage: $0 BUILD_DIR}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
id=com.tessalyforum.Tzolkara

fail() { echo "FAIL: $*" >&2; exit 1; }

for tool in desktop-file-validate:desktop-file-utils appstreamcli:appstream; do
    command -v "${tool%%:*}" >/dev/null || fail "${tool%%:*} is missing (Debian package ${tool#*:})"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr --component tzolkara >/dev/null
usr=$root/usr

[ -x "$usr/bin/tzolkara" ] || fail "no program at /usr/bin/tzolkara"
[ -x "$usr/bin/tzolkara-day" ] || fail "no program at /usr/bin/tzolkara-day"

desktop=$usr/share/applications/$id.desktop
[ -f "$desktop" ] || fail "no menu entry at ${desktop#"$root"}"
desktop-file-validate "$desktop"
grep -qx "Exec=tzolkara" "$desktop" || fail "the menu entry does not start tzolkara"
grep -qx "Icon=$id" "$desktop" || fail "the menu entry does not name the icon $id"
# The launcher's own menu offers the day window, which its Exec starts.
sed -n '/^\[Desktop Action day\]$/,/^\[/p' "$desktop" | grep -qx "Exec=tzolkara-day" \
    || fail "the menu entry has no action starting tzolkara-day"

# Each icon file must hold the size its folder promises: the width and
# height are the big-endian words at bytes 16 and 20 of a PNG.
png_size() {
    local b
    read -r -a b < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(( (b[0] << 24) + (b[1] << 16) + (b[2] << 8) + b[3] ))x$(( (b[4] << 24) + (b[5] << 16) + (b[6] << 8) + b[7] ))"
}
for size in 16 24 32 48 64 128 256; do
    icon=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$icon" ] || fail "no ${size}x${size} icon"
    [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $(png_size "$icon")"
done

metainfo=$usr/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream file at ${metainfo#"$root"}"
appstreamcli validate --no-net "$metainfo"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the AppStream file does not point at the menu entry"
# The screenshots it lists are the renders kept in the source tree.
shots=$(grep -o '<image>[^<]*</image>' "$metainfo" | sed 's|</image>||; s|.*/||')
[ -n "$shots" ] || fail "the AppStream file lists no screenshots"
for shot in $shots; do
    [ -f "$source_dir/docs/screenshots/$shot" ] || fail "screenshot $shot is not in docs/screenshots"
done

echo "installed files:"
(cd "$root" && find . -type f | sort)
echo "PASS: menu entry, icons and AppStream data install and validate"
