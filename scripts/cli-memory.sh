#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
#
# Peak memory of corvane-cli on inputs built to exhaust it: a 1 GB line, a
# 1 GB JSON text value, 20 million commas in a header and in a row, endless
# /dev/zero, and the million-row table. Every run must stay below 64 MB
# (check, which keeps each row's range to compare them, is measured too).
# Inputs are streamed through pipes, so the disk holds only the table.
#
#   scripts/cli-memory.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
limit_kib=$((64 * 1024))

# shellcheck source=scripts/cli-tools.sh
source "$root/scripts/cli-tools.sh" "$build"
"$make_table" slave 1000000 >"$work/slave.csv"

gigabyte=$((1024 * 1024 * 1024))
failed=0
printf '%-44s %6s %10s %6s\n' "input" "status" "peak MiB" "lines"

# measure NAME PRODUCER ARGUMENTS...: PRODUCER's output is the standard input.
measure() {
    local name="$1" producer="$2"
    shift 2
    local status=0
    bash -c "$producer" | /usr/bin/time -f %M -o "$work/rss" \
        timeout 60 "$cli" "$@" >"$work/out" 2>/dev/null || status=$?
    local kib
    kib="$(tail -n 1 "$work/rss")"
    printf '%-44s %6s %10.1f %6s\n' "$name" "$status" "$(awk -v kib="$kib" 'BEGIN { print kib / 1024 }')" \
        "$(wc -l <"$work/out")"
    if [ "$kib" -ge "$limit_kib" ]; then
        failed=1
    fi
}

request='{"mode":"slave","address":"N7:0","start":1,"count":1}'
header='mode,address,start,count'
measure "--jsonl: 1 GB line, then a request" \
    "head -c $gigabyte /dev/zero; printf '\n%s\n' '$request'" --jsonl
measure "--jsonl: 1 GB text value, then a request" \
    "printf '{\"mode\":\"slave\",\"address\":\"'; head -c $gigabyte /dev/zero | tr '\\0' x;
     printf '\"}\n%s\n' '$request'" --jsonl
measure "--jsonl < /dev/zero (10 s)" "timeout 10 cat /dev/zero" --jsonl
measure "batch: 1 GB row, then a row" \
    "printf '%s\n' '$header'; head -c $gigabyte /dev/zero; printf '\nslave,N7:0,1,1\n'" batch -
measure "batch: header of 20 million commas" "head -c 20000000 /dev/zero | tr '\\0' ,;
     printf '\nslave,N7:0,1,1\n'" batch -
measure "batch: row of 20 million commas, then a row" \
    "printf '%s\n' '$header'; head -c 20000000 /dev/zero | tr '\\0' ,;
     printf '\nslave,N7:0,1,1\n'" batch -
measure "batch < /dev/zero" "timeout 10 cat /dev/zero" batch -
measure "check: row of 20 million commas" \
    "printf '%s\n' '$header'; head -c 20000000 /dev/zero | tr '\\0' ,; printf '\n'" check -
measure "batch: 1,000,000-row table" "cat '$work/slave.csv'" batch -
measure "batch --json: 1,000,000-row table" "cat '$work/slave.csv'" batch --json -
measure "check: 1,000,000-row table" "cat '$work/slave.csv'" check -

if [ "$failed" -ne 0 ]; then
    echo "a run took 64 MB or more" >&2
    exit 1
fi
echo "every run stayed below 64 MB"
