#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
#
# corvane-cli batch beside cat and a one-line mawk script on the same generated
# slave table (random N10:0 to N999:9999, start 40001 to 49001, count 1 to 100;
# 25 MB for a million rows): wall and CPU time, rows/s and MB/s of input, and
# instructions per row counted by callgrind on a tenth of the rows. The mawk
# script does far less than a translation (it splits the address and adds two
# numbers): it marks what reading and writing the text costs in a fast
# interpreter.
#
#   bench/cli/batch_compare.sh [BUILD_DIR] [ROWS]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build}"
rows="${2:-1000000}"

# shellcheck source=scripts/cli-tools.sh
source "$root/scripts/cli-tools.sh" "$build"
table="$work/slave.csv"
"$make_table" slave "$rows" >"$table"
bytes="$(stat -c %s "$table")"
awk_script='{ split($2, a, ":"); print a[1] "," a[2] "," $3 + $4 - 1 }'

commands=(
    "cat $table"
    "mawk -F, '$awk_script' $table"
    "$cli batch $table"
    "$cli batch --json $table"
    "$cli check $table"
)
names=("cat" "mawk one-liner" "corvane-cli batch" "corvane-cli batch --json"
    "corvane-cli check")

named=()
for index in "${!commands[@]}"; do
    named+=(--command-name "${names[$index]}" "${commands[$index]}")
done
hyperfine --warmup 1 --runs "${RUNS:-10}" -N --style basic --ignore-failure \
    --export-csv "$work/times.csv" "${named[@]}"

# Instructions per row, on a tenth of the table: callgrind runs ~50 times slower.
sample_rows=$((rows / 10))
head -n $((sample_rows + 1)) "$table" >"$work/sample.csv"
instructions() {
    { valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null || true; } |
        awk '/Collected :/ { print $NF }'
}
counts=()
counts+=("$(instructions cat "$work/sample.csv")")
counts+=("$(instructions mawk -F, "$awk_script" "$work/sample.csv")")
counts+=("$(instructions "$cli" batch "$work/sample.csv")")
counts+=("$(instructions "$cli" batch --json "$work/sample.csv")")
counts+=("$(instructions "$cli" check "$work/sample.csv")")

echo
echo "$rows rows, $bytes bytes of input"
printf '%-26s %9s %9s %12s %9s %12s\n' "" "wall s" "cpu s" "rows/s" "MB/s" "instr/row"
row=0
tail -n +2 "$work/times.csv" | while IFS=, read -r name mean _ _ user system _ _; do
    awk -v name="$name" -v mean="$mean" -v cpu="$(awk -v u="$user" -v s="$system" \
        'BEGIN { print u + s }')" -v rows="$rows" -v bytes="$bytes" \
        -v count="${counts[$row]}" -v sample="$sample_rows" 'BEGIN {
            printf "%-26s %9.3f %9.3f %12.0f %9.1f %12.0f\n", name, mean, cpu, rows / mean,
                bytes / mean / 1e6, count / sample
        }'
    row=$((row + 1))
done
