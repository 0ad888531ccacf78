#!/usr/bin/env bash
# One run of tzolkara-cli (the whole reading and the day's facts for a date,
# and the same as JSON with --explain) against a bare QCoreApplication that
# prints one line: whole processes, in turn (A B A B ...). Prints the medians
# of wall time and the median of the per-pair ratios; the goal is at most 1.3.
# Usage: bench/cli.sh [pairs] [build dir]   (after: cmake --build --preset bench)
set -euo pipefail
cd "$(dirname "$0")/.."
pairs=${1:-51}
build=${2:-build/bench}
cli=$build/src/cli/tzolkara-cli
bare=$build/bench/tzk_bare_console
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Seconds for one run of the command given; time(1) alone counts only hundredths.
measure() {
    local start=$EPOCHREALTIME
    "$@" >/dev/null
    echo "$EPOCHREALTIME - $start" | bc -l
}

median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

run_case() { # $1: label, then the arguments for tzolkara-cli
    local label=$1 i a b
    shift
    : >"$tmp/pairs"
    "$cli" "$@" >/dev/null && "$bare" >/dev/null # warm the page cache
    for i in $(seq "$pairs"); do
        a=$(measure "$cli" "$@")
        b=$(measure "$bare")
        echo "$a $b" >>"$tmp/pairs"
    done
    printf '%-18s tzolkara-cli %.4f s, bare QCoreApplication %.4f s; ratio %.2f\n' "$label" \
        "$(cut -d' ' -f1 "$tmp/pairs" | median)" "$(cut -d' ' -f2 "$tmp/pairs" | median)" \
        "$(awk '{print $1/$2}' "$tmp/pairs" | median)"
}

echo "pairs: $pairs"
run_case "reading" 1975-03-14
run_case "json --explain" 1975-03-14 --json --explain
run_case "returns 1000 --ics" 1975-03-14 --returns 1000 --ics
