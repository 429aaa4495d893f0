#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each for a fixed number of
# executions from its seed corpus. Fails on the first finding: a crash, a
# sanitizer report, a broken invariant, a leak or a timeout.
#
#   scripts/fuzz.sh              every target, 1,000,000 executions each
#   FUZZ_RUNS=50000 scripts/fuzz.sh parsedatafile   one target, fewer runs
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
runs="${FUZZ_RUNS:-1000000}"
jobs="${FUZZ_BUILD_JOBS:-2}"

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCORVANE_FUZZ=ON -DCORVANE_BUILD_GUI=OFF -DCORVANE_BUILD_TESTS=OFF \
    -DCORVANE_BUILD_BENCH=OFF >/dev/null

if [ $# -gt 0 ]; then
    targets=("$@")
else
    mapfile -t targets < "$build/fuzz/fuzzers.txt"
fi
cmake --build "$build" -j "$jobs" --target "${targets[@]/%/_fuzz}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

summary=()
for target in "${targets[@]}"; do
    work="$build/fuzz-run/$target"
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/artifacts"
    echo "== $target: $runs executions"
    started=$EPOCHREALTIME
    # New inputs go to the scratch corpus (first directory); the seeds in the
    # tree stay as they are.
    if ! "$build/fuzz/${target}_fuzz" -runs="$runs" -seed=1 -max_len=512 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
        "$work/corpus" "fuzz/corpus/$target" >"$work/log.txt" 2>&1; then
        tail -n 40 "$work/log.txt"
        echo "FAIL: $target found a fault; the input is in $work/artifacts/" >&2
        exit 1
    fi
    elapsed=$(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }')
    executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log.txt")
    coverage=$(grep -o 'cov: [0-9]*' "$work/log.txt" | tail -n 1)
    line=$(printf '%-16s %9s executions  %6s s  %s  0 findings' \
        "$target" "$executed" "$elapsed" "$coverage")
    echo "$line"
    summary+=("$line")
done

echo
echo "Fuzzing summary"
printf '%s\n' "${summary[@]}"
