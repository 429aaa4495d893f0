#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
# Runs corvane-cli under Valgrind's memcheck on every path that reads input:
# batch (CSV, spreadsheet-safe CSV and JSON Lines output, from a file and from
# standard input), check, decode, slave, master and --jsonl, on a generated
# mapping table with good and bad rows. Fails on any memory error or any definitely lost block.
#
# memcheck reports with exit status 99, apart from the CLI's own statuses
# (0 answered, 1 usage, 2 refused), which each run also checks.
#
#   scripts/valgrind.sh              corvane-cli of build/ (scripts/native-build.sh)
#   ROWS=2000 scripts/valgrind.sh    a longer table
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

build="${VALGRIND_BUILD_DIR:-$root/build}"
rows="${ROWS:-200}"

scripts/native-build.sh "$build" corvane-cli >/dev/null
cli="$build/cli/corvane-cli"

work="$build/valgrind"
rm -rf "$work"
mkdir -p "$work"

# A mapping table mixing slave and master rows, quoted cells, refusals and a
# row with a broken quote.
{
    printf 'mode,address,start,count,plc,format,message_type,command,subfunction,register,slave\r\n'
    addresses=(N7:0 N7:4/5 F8:0 B3/20 'I:012/10' X17:0 N8:0 'F8/3' 'N7:0/16' 'B3/159999')
    formats=(NXYY:Z NXYZ:Z NYXZ:Z)
    commands=(01 02 03 04 05 06 08 15 16 99)
    for ((i = 0; i < rows; ++i)); do
        address=${addresses[i % ${#addresses[@]}]}
        printf 'slave,%s,%d,%d,,,,,,,\r\n' "$address" $((40001 + i % 50 * 7 - 20)) $((i % 17 - 2))
        printf 'master,,,,%s,%s,%s,%s,,%d,%d\r\n' $((i % 5 == 0 ? 3 : 5)) \
            "${formats[i % 3]}" "$([ $((i % 2)) = 0 ] && echo read || echo write)" \
            "${commands[i % ${#commands[@]}]}" $((i * 97 % 10500)) $((i % 12))
    done
    printf 'slave,"N7:0","40001","10",,,,,,,\r\n'
    printf 'slave,"N7:0,1",abc,,,,,,,,\r\n'
    printf 'slave,"broken,40001,10\r\n'
} >"$work/table.csv"

{
    printf '{"mode":"slave","address":"N7:4/5","start":40001,"count":10}\n'
    printf '{"mode":"master","plc":"5","format":"NXYZ:Z","command":"03","register":1234,"slave":5}\n'
    printf '{"mode":"slave","address":"F8/3","start":"1","count":1}\n'
    printf '{"mode":"master","register":"x"}\n'
    printf '{"mode":"nothing"}\n'
    printf 'not json\n'
    printf '{"mode":"slave","address":"N7:0","start":4.0001e4,"count":1e1}\n'
} >"$work/requests.jsonl"

runs=0
failed=0
# check <expected CLI status> <name> <arguments...> [< input]
check() {
    local expected="$1" name="$2"
    shift 2
    local status=0
    valgrind --tool=memcheck --error-exitcode=99 --leak-check=full \
        --errors-for-leak-kinds=definite --show-leak-kinds=definite \
        --log-file="$work/$name.log" "$cli" "$@" >"$work/$name.out" 2>"$work/$name.err" || status=$?
    runs=$((runs + 1))
    local summary
    summary=$(grep -o 'ERROR SUMMARY: [0-9]* errors' "$work/$name.log" || echo 'no summary')
    if [ "$status" = 99 ] || [ "$summary" != 'ERROR SUMMARY: 0 errors' ]; then
        echo "FAIL $name: $summary (see $work/$name.log)"
        failed=$((failed + 1))
    elif [ "$status" != "$expected" ]; then
        echo "FAIL $name: exit status $status, expected $expected (see $work/$name.err)"
        failed=$((failed + 1))
    else
        printf 'ok   %-22s exit %s, %s, %s\n' "$name" "$status" "$summary" \
            "$(grep -o 'definitely lost: [0-9,]* bytes' "$work/$name.log" || echo 'nothing lost')"
    fi
}

check 2 batch-csv batch "$work/table.csv"
check 2 batch-json batch --json "$work/table.csv"
check 2 batch-stdin batch - <"$work/table.csv"
check 2 batch-safe batch --safe-for-spreadsheets "$work/table.csv"
check 2 check check "$work/table.csv"
check 2 check-json check --json - <"$work/table.csv"
check 0 decode decode N451:234
check 0 decode-json decode --json N451:234
check 0 decode-filtered decode --plc 5 --format NXYZ:Z N451:234
check 0 decode-plc3 decode --plc 3 B3:5
check 2 decode-refused decode 'Q7:x'
check 0 slave slave N7:4/5 40001 10
check 0 slave-json slave --json F8:0 40001 10
check 2 slave-refused slave B3/20 1 16
check 0 master master --plc 5 --format NXYZ:Z --command 03 --register 1234 --slave 5
check 0 master-json master --json --plc 3 --command 01 --register 5 --slave 3
check 2 master-refused master --format NYXZ:Z --command 03 --register 5256 --slave 3
check 2 jsonl --jsonl <"$work/requests.jsonl"
check 0 version --version
check 1 usage slave N7:0

echo "$runs runs under memcheck, $failed failed; $rows slave and $rows master rows in the table"
[ "$failed" = 0 ]
