#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each for a fixed number of
# executions with a fixed seed from its seed corpus, FUZZ_JOBS targets side
# by side. Every target runs to its end; the script then fails if any found a
# fault: a crash, a sanitizer report, a broken invariant, a leak or a timeout.
#
#   scripts/fuzz.sh              every target, 10,000,000 executions each
#   FUZZ_RUNS=50000 scripts/fuzz.sh parsedatafile   one target, fewer runs
#   FUZZ_JOBS=1 scripts/fuzz.sh  one target at a time
#   FUZZ_WORKERS=2 scripts/fuzz.sh jsonlstream   one target's executions
#                                split between two processes with their own
#                                seeds that share the scratch corpus
#   FUZZ_TIMEOUT=120 scripts/fuzz.sh   seconds an input may take before it
#                                counts as a finding (10 by default, for a
#                                quiet machine; the test command's short
#                                runs share the cores with the browser tests)
#   FUZZ_MERGE=1 scripts/fuzz.sh after a clean run, replace each target's
#                                corpus in fuzz/corpus/ with the minimised
#                                merge of its seeds and the inputs found
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
runs="${FUZZ_RUNS:-10000000}"
jobs="${FUZZ_JOBS:-2}"
workers="${FUZZ_WORKERS:-1}"
buildJobs="${FUZZ_BUILD_JOBS:-2}"
merge="${FUZZ_MERGE:-0}"
timeout="${FUZZ_TIMEOUT:-10}"

# shellcheck source=scripts/compiler-cache.sh
source scripts/compiler-cache.sh
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_WARNINGS_AS_ERRORS="${CORVANE_WARNINGS_AS_ERRORS:-OFF}" \
    -DCORVANE_FUZZ=ON -DCORVANE_BUILD_GUI=OFF -DCORVANE_BUILD_TESTS=OFF \
    -DCORVANE_BUILD_BENCH=OFF >/dev/null

if [ $# -gt 0 ]; then
    targets=("$@")
else
    # The readers' targets take the longest: they go first, so that the
    # short ones fill the other job's time.
    mapfile -t built < "$build/fuzz/fuzzers.txt"
    targets=()
    for target in jsonlstream batchstream csvreader jsonline "${built[@]}"; do
        if [[ " ${built[*]} " == *" $target "* && " ${targets[*]} " != *" $target "* ]]; then
            targets+=("$target")
        fi
    done
fi
cmake --build "$build" -j "$buildJobs" --target "${targets[@]/%/_fuzz}"

# A smaller quarantine than the default 256 MB still catches a use after free
# within one input (the largest is under 70 KB) and keeps the freed memory in
# the cache, which makes the readers' targets several times faster.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1:quarantine_size_mb=32
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# The readers' targets need inputs past the 64 KiB record limit; the others
# read short fields.
maxLength()
{
    case "$1" in
    csvreader | jsonlstream | batchstream) echo 4096 ;;
    jsonline) echo 2048 ;;
    *) echo 512 ;;
    esac
}

# Runs one target into its own work directory; its summary line goes to
# $work/summary.txt. New inputs go to the scratch corpus (the first
# directory); the seeds in the tree stay as they are.
runTarget()
{
    local target=$1 work="$build/fuzz-run/$1"
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/artifacts"
    local options=(-max_len="$(maxLength "$target")" -timeout="$timeout" -report_slow_units="$timeout"
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/artifacts/")
    local dictionary="fuzz/${target}.dict"
    case "$target" in
    jsonlstream) dictionary=fuzz/jsonline.dict ;; # the same tokens, line by line
    batchstream) dictionary=fuzz/csvreader.dict ;;
    esac
    if [ -f "$dictionary" ]; then
        options+=(-dict="$dictionary")
    fi
    # Each worker has its own seed and log; they share the scratch corpus,
    # which libFuzzer reloads as it runs, so one worker's finds feed the other.
    local started=$EPOCHREALTIME status=0 worker pids=()
    for ((worker = 1; worker <= workers; worker++)); do
        "$build/fuzz/${target}_fuzz" "${options[@]}" -seed="$worker" \
            -runs="$(((runs + workers - worker) / workers))" "$work/corpus" "fuzz/corpus/$target" \
            >"$work/log-$worker.txt" 2>&1 &
        pids+=($!)
    done
    for worker in "${pids[@]}"; do
        wait "$worker" || status=$?
    done
    local elapsed executed coverage findings
    elapsed=$(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }')
    executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work"/log-*.txt |
        awk '{ sum += $1 } END { if (NR) print sum }')
    coverage=$(grep -ho 'cov: [0-9]* ft: [0-9]*' "$work"/log-*.txt | sort -t ' ' -k 2n | tail -n 1 || true)
    findings=$(find "$work/artifacts" -type f | wc -l)
    if [ "$status" -ne 0 ] && [ "$findings" -eq 0 ]; then
        findings=1 # stopped without leaving an input: see the logs
    fi
    printf '%-16s %9s executions  %7s s  %-20s %d findings\n' \
        "$target" "${executed:-?}" "$elapsed" "$coverage" "$findings" >"$work/summary.txt"
    cat "$work/summary.txt"
    if [ "$findings" -ne 0 ]; then
        tail -n 40 "$work"/log-*.txt | cut -c 1-600
        echo "FAIL: $target found a fault; the input is in $work/artifacts/" >&2
    fi
}

started=$EPOCHREALTIME
echo "== ${#targets[@]} targets, $runs executions each, $jobs at a time, $workers worker(s) each"
for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
        wait -n || true
    done
    runTarget "$target" &
done
wait
elapsed=$(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }')

echo
echo "Fuzzing summary ($elapsed s in all)"
failed=0
for target in "${targets[@]}"; do
    cat "$build/fuzz-run/$target/summary.txt"
    if ! grep -q ' 0 findings$' "$build/fuzz-run/$target/summary.txt"; then
        failed=1
    fi
done
if [ "$failed" -ne 0 ]; then
    exit 1
fi

if [ "$merge" = 1 ]; then
    # Merging keeps only the inputs that add coverage; the file names are
    # the inputs' SHA-1 sums, so an input kept twice keeps its name. A seed
    # with a name of its own (quoted-row-cut-at-the-limit) marks a fault found
    # once and is always kept, whatever it adds.
    for target in "${targets[@]}"; do
        work="$build/fuzz-run/$target"
        rm -rf "$work/merged"
        mkdir -p "$work/merged"
        "$build/fuzz/${target}_fuzz" -merge=1 -max_len="$(maxLength "$target")" \
            "$work/merged" "fuzz/corpus/$target" "$work/corpus" >"$work/merge.txt" 2>&1
        find "fuzz/corpus/$target" -maxdepth 1 -type f ! -regex '.*/[0-9a-f]\{40\}' \
            -exec cp {} "$work/merged/" \;
        rm -rf "fuzz/corpus/$target"
        cp -r "$work/merged" "fuzz/corpus/$target"
        echo "$target: $(find "fuzz/corpus/$target" -type f | wc -l) inputs," \
            "$(du -sb "fuzz/corpus/$target" | cut -f1) bytes"
    done
fi
