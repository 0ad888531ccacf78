#!/usr/bin/env bash
# Builds the Debian package and checks it: its control data (name, version,
# architecture, the libraries it depends on), its file list, and that the
# program it holds starts headless from a clean root and keeps running.
#
#   packaging/check-deb.sh             configures and builds the "default"
#                                      preset first (build/default)
#   packaging/check-deb.sh BUILD_DIR   packages a build that is already made
#
# Needs dpkg-dev (dpkg-shlibdeps works out the Depends line) and lintian.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo; echo "== $*"; }

command -v dpkg-shlibdeps >/dev/null || fail "dpkg-shlibdeps is missing (Debian package dpkg-dev)"
command -v lintian >/dev/null || fail "lintian is missing (Debian package lintian)"

if [ $# -eq 0 ]; then
    build=build/default
    step "cmake --preset default && cmake --build --preset default"
    cmake --preset default >/dev/null
    cmake --build --preset default
else
    build=$1
fi

step "cpack --config $build/CPackConfig.cmake"
rm -f "$build"/package/tzolkara_*.deb
cpack --config "$build/CPackConfig.cmake"

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
arch=$(dpkg --print-architecture)
deb=$build/package/tzolkara_${version}_${arch}.deb
[ -f "$deb" ] || fail "expected $deb; cpack made: $(ls "$build/package")"

step "dpkg-deb --info $deb"
dpkg-deb --info "$deb"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tzolkara ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "architecture $(field Architecture)"
depends=$(field Depends)
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
    [[ ", $depends," == *", $lib "* || ", $depends," == *", $lib,"* ]] || fail "Depends lacks $lib: $depends"
done

step "dpkg-deb --contents $deb"
dpkg-deb --contents "$deb"
files=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
expected=$(
    echo ./usr/bin/tzolkara
    echo ./usr/bin/tzolkara-cli
    echo ./usr/bin/tzolkara-day
    echo ./usr/share/doc/tzolkara/changelog.gz
    echo ./usr/share/doc/tzolkara/copyright
    echo ./usr/share/man/man1/tzolkara.1.gz
    echo ./usr/share/man/man1/tzolkara-cli.1.gz
    echo ./usr/share/man/man1/tzolkara-day.1.gz
    echo ./usr/share/applications/com.tessalyforum.Tzolkara.desktop
    for size in 16 24 32 48 64 128 256; do
        echo "./usr/share/icons/hicolor/${size}x${size}/apps/com.tessalyforum.Tzolkara.png"
    done
    echo ./usr/share/metainfo/com.tessalyforum.Tzolkara.metainfo.xml
    for ts in translations/tzolkara_*.ts; do
        name=$(basename "$ts" .ts)
        echo "./usr/share/tzolkara/translations/$name.qm"
    done
)
[ "$files" = "$(sort <<<"$expected")" ] || fail "unexpected file list:
$files"

# What a Debian user would check first: no error and no warning.
step "lintian $deb"
lintian --fail-on error,warning "$deb" 2> >(grep -v 'root privileges' >&2) || fail "lintian reports the above"
changelog_version=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/tzolkara/changelog.gz | gzip -dc \
    | sed -n '1s/^tzolkara (\(.*\)).*/\1/p')
[ "$changelog_version" = "$version" ] || fail "the changelog's latest entry is $changelog_version, the package $version"

step "dpkg-deb -x into a clean root, start /usr/bin/tzolkara headless"
scratch=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$scratch/root"
program=$scratch/root/usr/bin/tzolkara
if ldd "$program" | grep "not found"; then
    fail "libraries missing"
fi
mkdir -p "$scratch/home" "$scratch/run" && chmod 700 "$scratch/home" "$scratch/run"
env -i PATH=/usr/bin:/bin HOME="$scratch/home" QT_QPA_PLATFORM=offscreen \
    XDG_CONFIG_HOME="$scratch/home/config" XDG_CACHE_HOME="$scratch/home/cache" \
    XDG_DATA_HOME="$scratch/home/data" XDG_RUNTIME_DIR="$scratch/run" \
    "$program" >"$scratch/out.log" 2>&1 &
pid=$!
sleep 4
if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid" && status=0 || status=$?
    pid=
    cat "$scratch/out.log"
    fail "the program ended by itself (exit status $status)"
fi
echo "running after 4 s (pid $pid)"
# The console program of the same package answers, and loads no GUI library.
if ldd "$scratch/root/usr/bin/tzolkara-cli" | grep -E "libQt6(Gui|Widgets)"; then
    fail "tzolkara-cli links a GUI library"
fi
[ "$(env -i "$scratch/root/usr/bin/tzolkara-cli" --json 2012-12-21 | grep -c '"calendar_round": "4 Ajaw 3 K'"'"'ank'"'"'in"')" = 1 ] \
    || fail "tzolkara-cli from the package gives a wrong day"
# The day window of the same package opens and stays open (timeout ends it).
status=0
env -i PATH=/usr/bin:/bin HOME="$scratch/home" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch/run" \
    timeout 3 "$scratch/root/usr/bin/tzolkara-day" 2012-12-21 >"$scratch/day.log" 2>&1 || status=$?
[ "$status" = 124 ] || { cat "$scratch/day.log"; fail "tzolkara-day ended by itself (exit status $status)"; }
# Start-up got past its first steps: it holds the single-instance lock in
# the runtime folder (flock fails while another process holds it) and
# stored the first-run date of the update reminder.
lock=$scratch/run/tzolkara.lock
[ -f "$lock" ] || fail "no single-instance lock"
if flock -n "$lock" true; then fail "the single-instance lock is not held"; fi
[ -f "$scratch/home/config/Tessaly Softwares/tzolkara.conf" ] || fail "no settings file"
echo "lock:     ${lock}"
echo "settings: ${scratch}/home/config/Tessaly Softwares/tzolkara.conf"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=

echo
echo "PASS: $deb"
