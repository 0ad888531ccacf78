#!/usr/bin/env bash
# Start-up against a bare Qt window with the same controls: whole processes,
# headless, from exec to the first paint of the main window, run in turn
# (A B A B ...). Two cases: a kept home folder (every later start) and a
# fresh one for each run (a first start: no settings, no lock folder yet).
# Prints, per case, the medians of wall time and peak memory and the
# medians of the per-pair ratios.
# Usage: bench/startup.sh [pairs] [bin dir] [probe]   (after: cmake --build --preset bench)
# probe: tzk_startup_probe (Tzolkara, the default) or tzk_day_startup_probe.
set -euo pipefail
cd "$(dirname "$0")/.."
pairs=${1:-31}
bin=${2:-build/bench/bench}
probe=${3:-tzk_startup_probe}
export QT_QPA_PLATFORM=offscreen
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Prints "seconds kilobytes" for one run of $1 with HOME at $2; time(1)
# alone counts only hundredths.
measure() {
    local start end
    start=$EPOCHREALTIME
    HOME=$2 XDG_CONFIG_HOME=$2/.config XDG_CACHE_HOME=$2/.cache \
        /usr/bin/time -f '%M' -o "$tmp/t" "$1" >/dev/null 2>&1
    end=$EPOCHREALTIME
    echo "$(echo "$end - $start" | bc -l) $(cat "$tmp/t")"
}

median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

run_case() { # $1: kept or fresh
    local a b home i
    : >"$tmp/pairs"
    mkdir -p "$tmp/kept"
    [ "$1" = kept ] && measure "$bin/$probe" "$tmp/kept" >/dev/null # stores the reminder date
    for i in $(seq "$pairs"); do
        home=$tmp/kept
        [ "$1" = fresh ] && home=$(mktemp -d "$tmp/home.XXXX")
        a=$(measure "$bin/$probe" "$home")
        [ "$1" = fresh ] && home=$(mktemp -d "$tmp/home.XXXX")
        b=$(measure "$bin/tzk_bare_window" "$home")
        echo "$a $b" >>"$tmp/pairs"
    done
    local at bt am bm rt rm
    at=$(cut -d' ' -f1 "$tmp/pairs" | median); am=$(cut -d' ' -f2 "$tmp/pairs" | median)
    bt=$(cut -d' ' -f3 "$tmp/pairs" | median); bm=$(cut -d' ' -f4 "$tmp/pairs" | median)
    rt=$(awk '{print $1/$3}' "$tmp/pairs" | median); rm=$(awk '{print $2/$4}' "$tmp/pairs" | median)
    printf '%-5s home: %s %.3f s %.1f MiB, bare window %.3f s %.1f MiB; ratio wall %.2f, memory %.2f\n' \
        "$1" "$probe" "$at" "$(echo "$am/1024" | bc -l)" "$bt" "$(echo "$bm/1024" | bc -l)" "$rt" "$rm"
}

echo "pairs: $pairs, probe: $probe"
run_case kept
run_case fresh
