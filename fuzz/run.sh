#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each one for SECONDS, starting from
# its seeds in fuzz/corpus/<target>.
#
#   fuzz/run.sh SECONDS [target...]     targets: readingfile scramble settings
#
# Inputs that reach new code collect in build/fuzz/corpus/<target>, so a
# later run goes on from there. An input that crashes a target, trips a
# sanitizer, breaks one of its checks, leaks or hangs for 10 s is kept as
# build/fuzz/crashes/<target>-* and fails the run; replay it with
# build/fuzz/fuzz_<target> FILE. Prints the executions of each target.
set -euo pipefail
cd "$(dirname "$0")"
. ../tools/packages.sh

seconds=${1:?usage: fuzz/run.sh SECONDS [target...]}
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(readingfile scramble settings)

tzk_ensure_packages "${TZK_FUZZ_PACKAGES[@]}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2

# Function names in reports, from the symbolizer of the same LLVM.
if [ -z "${ASAN_SYMBOLIZER_PATH:-}" ] && [ -x /usr/lib/llvm-14/bin/llvm-symbolizer ]; then
    export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
fi

# A smaller quarantine than the default 256 MB keeps a long run well under
# libFuzzer's 2 GB memory limit; leaks are reported per input.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64:detect_leaks=1}

out=../build/fuzz
mkdir -p "$out/crashes"
failed=()
for t in "${targets[@]}"; do
    mkdir -p "$out/corpus/$t"
    log="$out/$t.log"
    status=0
    "$out/fuzz_$t" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$out/crashes/$t-" "$out/corpus/$t" "corpus/$t" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    printf 'fuzz_%s: %s executions in %s s; build/fuzz/corpus/%s holds %s inputs\n' \
        "$t" "${runs:-?}" "$seconds" "$t" "$(ls "$out/corpus/$t" | wc -l)"
    if [ "$status" -ne 0 ]; then
        failed+=("$t")
        grep -E -A 30 '^==[0-9]+==|check failed|runtime error|^artifact_prefix|Test unit written' "$log" | head -60 >&2 || true
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: FAILED: ${failed[*]} (logs in build/fuzz/<target>.log)" >&2
    exit 1
fi
