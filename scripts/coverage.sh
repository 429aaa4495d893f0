#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
# Measures how much of the core the core tests exercise: builds with gcc's
# coverage instrumentation in build-cov/, runs the tests labelled "core" and
# reports line and branch coverage of the core's sources, as text on stdout and
# as HTML in build-cov/coverage/index.html.
#
# Branches that only exist for exceptions thrown by the standard library, and
# branches the compiler proves unreachable, are left out of the branch figure.
#
#   scripts/coverage.sh            report only
#   COVERAGE_CHECK=1 scripts/coverage.sh   also fail below 100 % lines / 95 % branches
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

build="${COVERAGE_BUILD_DIR:-$root/build-cov}"
jobs="${COVERAGE_BUILD_JOBS:-2}"
layers=(core errors slave master subs)
tests=()
for layer in "${layers[@]}"; do
    tests+=("corvane_${layer}_tests")
done

# No compiler cache here: gcov's notes files record the folder they were
# compiled in. Only the layers' test programs are built, since only they run.
unset CMAKE_C_COMPILER_LAUNCHER CMAKE_CXX_COMPILER_LAUNCHER
CC=gcc CXX=g++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_WARNINGS_AS_ERRORS="${CORVANE_WARNINGS_AS_ERRORS:-OFF}" \
    -DCORVANE_COVERAGE=ON -DCORVANE_BUILD_GUI=OFF -DCORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target "${tests[@]}"

# Counters from an earlier run would add up with this one.
find "$build" -name '*.gcda' -delete
if ! ctest --test-dir "$build" -L rules --no-tests=error --output-on-failure -j "$jobs" \
    >"$build/ctest-core.log" 2>&1; then
    grep -v '^ *Start ' "$build/ctest-core.log" | tail -n 60
    echo "FAIL: the core tests did not pass; see $build/ctest-core.log" >&2
    exit 1
fi
tail -n 4 "$build/ctest-core.log"

report="$build/coverage"
rm -rf "$report"
mkdir -p "$report"

filters=()
for dir in "${layers[@]}"; do
    filters+=(--filter "$root/$dir/")
done
thresholds=()
if [ "${COVERAGE_CHECK:-0}" = 1 ]; then
    thresholds=(--fail-under-line 100 --fail-under-branch 95)
fi

gcovr --root "$root" "$build" "${filters[@]}" \
    --exclude-throw-branches --exclude-unreachable-branches \
    --txt - --html-details "$report/index.html" --print-summary "${thresholds[@]}"
echo "HTML report: $report/index.html"
