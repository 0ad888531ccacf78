#!/usr/bin/env bash
# Start-up against a bare Qt window: runs both in turn (A B A B ...),
# headless, and prints the medians of wall time and peak memory and their
# ratios. Usage: bench/startup.sh [pairs]   (after: cmake --build --preset bench)
set -euo pipefail
cd "$(dirname "$0")/.."
pairs=${1:-20}
bin=build/bench/bench
export QT_QPA_PLATFORM=offscreen
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_RUNTIME_DIR=$tmp XDG_CONFIG_HOME=$tmp/config XDG_CACHE_HOME=$tmp/cache

measure() { # prints "seconds kilobytes"; time(1) counts only hundredths
    local start end
    start=$EPOCHREALTIME
    /usr/bin/time -f '%M' -o "$tmp/t" "$1" >/dev/null 2>&1
    end=$EPOCHREALTIME
    echo "$(echo "$end - $start" | bc -l) $(cat "$tmp/t")"
}
: >"$tmp/a"; : >"$tmp/b"
"$bin/tzk_startup_probe" >/dev/null 2>&1 || true # first run stores the reminder date
for _ in $(seq "$pairs"); do
    measure "$bin/tzk_startup_probe" >>"$tmp/a"
    measure "$bin/tzk_bare_window" >>"$tmp/b"
done
median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
a_t=$(cut -d' ' -f1 "$tmp/a" | median); b_t=$(cut -d' ' -f1 "$tmp/b" | median)
a_m=$(cut -d' ' -f2 "$tmp/a" | median); b_m=$(cut -d' ' -f2 "$tmp/b" | median)
printf 'pairs: %s\n' "$pairs"
printf 'Tzolkara start-up: %.3f s, %.1f MiB\n' "$a_t" "$(echo "$a_m/1024" | bc -l)"
printf 'bare window:       %.3f s, %.1f MiB\n' "$b_t" "$(echo "$b_m/1024" | bc -l)"
printf 'ratio: wall %.2f, memory %.2f\n' "$(echo "$a_t/$b_t" | bc -l)" "$(echo "$a_m/$b_m" | bc -l)"
