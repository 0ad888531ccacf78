#!/usr/bin/env bash
# Start-up against a bare Qt window with the same controls: whole processes,
# headless, run in turn (A B C, C B A, ...): the program until its main window's
# first frame (A), the bare window until its first frame (B), and the
# program until start-up has settled (C: the title bar has its icon, a first
# run's date is stored). Two cases: a kept home folder (every later start)
# and a fresh one for each run (a first start: no settings, no lock folder
# yet). Prints, per case, the medians of wall time and peak memory and the
# medians of the per-run ratios A/B and C/B.
# Usage: bench/startup.sh [rounds] [bin dir] [probe]   (after: cmake --build --preset bench)
# probe: tzk_startup_probe (Tzolkara, the default) or tzk_day_startup_probe
# (the day window, which has no step after its first frame: C equals A).
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-31}
bin=${2:-build/bench/bench}
probe=${3:-tzk_startup_probe}
settled=(--settled)
[ "$probe" = tzk_startup_probe ] || settled=()
export QT_QPA_PLATFORM=offscreen
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The system's own folders for the lock (/run/user/<id>, /tmp), as the
# program finds them, but the script's own.
export TZK_PROBE_SYSTEM_ROOT=$tmp/sys
mkdir -p "$TZK_PROBE_SYSTEM_ROOT/tmp" "$TZK_PROBE_SYSTEM_ROOT/run/user/$(id -u)"
chmod 700 "$TZK_PROBE_SYSTEM_ROOT/run/user/$(id -u)"

# Prints "seconds kilobytes" for one run of $1 (arguments $3...) with HOME
# at $2; time(1) alone counts only hundredths.
measure() {
    local start end
    start=$EPOCHREALTIME
    HOME=$2 XDG_CONFIG_HOME=$2/.config XDG_CACHE_HOME=$2/.cache \
        /usr/bin/time -f '%M' -o "$tmp/t" "$1" "${@:3}" >/dev/null 2>&1
    end=$EPOCHREALTIME
    echo "$(echo "$end - $start" | bc -l) $(cat "$tmp/t")"
}

median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

run_case() { # $1: kept or fresh
    local a b c i
    : >"$tmp/runs"
    mkdir -p "$tmp/kept"
    [ "$1" = kept ] && measure "$bin/$probe" "$tmp/kept" "${settled[@]}" >/dev/null # stores the date
    home() { if [ "$1" = fresh ]; then mktemp -d "$tmp/home.XXXX"; else echo "$tmp/kept"; fi; }
    for i in $(seq "$rounds"); do
        # Every other round in reverse (C B A), so that neither program
        # always runs right after its own kind.
        if ((i % 2)); then
            a=$(measure "$bin/$probe" "$(home "$1")")
            b=$(measure "$bin/tzk_bare_window" "$(home "$1")")
            c=$(measure "$bin/$probe" "$(home "$1")" "${settled[@]}")
        else
            c=$(measure "$bin/$probe" "$(home "$1")" "${settled[@]}")
            b=$(measure "$bin/tzk_bare_window" "$(home "$1")")
            a=$(measure "$bin/$probe" "$(home "$1")")
        fi
        echo "$a $b $c" >>"$tmp/runs"
    done
    # Columns: frame s, KiB; bare s, KiB; settled s, KiB.
    col() { cut -d' ' -f"$1" "$tmp/runs" | median; }
    ratio() { awk "{print \$$1/\$3}" "$tmp/runs" | median; }
    printf '%-5s home: bare window %.3f s %.1f MiB; first frame %.3f s, ratio %.2f; settled %.3f s, ratio %.2f; memory %.1f MiB, ratio %.2f\n' \
        "$1" "$(col 3)" "$(echo "$(col 4)/1024" | bc -l)" "$(col 1)" "$(ratio 1)" "$(col 5)" "$(ratio 5)" \
        "$(echo "$(col 6)/1024" | bc -l)" "$(awk '{print $6/$4}' "$tmp/runs" | median)"
}

echo "rounds: $rounds, probe: $probe"
run_case kept
run_case fresh
