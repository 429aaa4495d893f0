#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT

# Runs the same commands with the Linux corvane-cli and with corvane-cli.exe
# under Wine and checks that both write the same bytes to standard output and
# standard error and exit with the same status:
#   scripts/compare-windows.sh LINUX_PROGRAM WINDOWS_BUILD_DIR
# WINDOWS_BUILD_DIR is a build made with cmake/toolchains/mingw-w64-x86_64.cmake
# (scripts/build-windows.sh makes one); its Wine prefix is used.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

if [ $# -ne 2 ]; then
    echo "usage: $0 LINUX_PROGRAM WINDOWS_BUILD_DIR" >&2
    exit 64
fi
linuxProgram="$(realpath "$1")"
buildDir="$(realpath "$2")"
windowsProgram="$buildDir/cli/corvane-cli.exe"
wine="$(sed -n 's/^CORVANE_WINE:FILEPATH=//p' "$buildDir/CMakeCache.txt")"
if [ -z "$wine" ] || [ ! -x "$wine" ]; then
    echo "$0: no Wine recorded in $buildDir/CMakeCache.txt (install wine64)" >&2
    exit 1
fi
runWindows=("$root/cmake/toolchains/wine-emulator.sh" "$wine" "$buildDir/wine-prefix" "$windowsProgram")

work="$buildDir/compare"
rm -rf "$work"
mkdir -p "$work/out"
cd "$work"

# The inputs, written once with LF line ends and once with CRLF.
printf '%s\n' \
    $'\xEF\xBB\xBFmode,address,start,count,plc,format,message_type,command,subfunction,register,slave,note' \
    'slave,N7:4/5,6,10,,,,,,,,first' \
    'master,,,,5,NXYZ:Z,,03,,1234,5,"second, with a comma"' \
    'master,,,,3,,read,16,,1,0,broadcast read' \
    'bad,row' \
    'slave,F8/3,1,1,,,,,,,,"quoted' \
    'line break"' \
    $'slave,B3/0,1,16,,,,,,,,caf\xC3\xA9' \
    'slave,N7:0,40010,-5,,,,,,,,last' >table-lf.csv
printf '%s\n' \
    '{"mode":"slave","address":"N7:4/5","start":"40001","count":"10"}' \
    '{"mode":"master","plc":"5","format":"NXYY:Z","command":"03","register":"1234","slave":"5"}' \
    'broken' \
    '' \
    '{"mode":"slave","address":"F8/3","start":"1","count":"1"}' >requests-lf.jsonl
sed 's/$/\r/' table-lf.csv >table-crlf.csv
sed 's/$/\r/' requests-lf.jsonl >requests-crlf.jsonl
cp table-crlf.csv $'tabl\xC3\xA9.csv'

failures=0
cases=0

# compare NAME STDIN ARGUMENTS...: one command run by both programs.
compare()
{
    local name="$1" input="$2"
    shift 2
    local linuxStatus=0 windowsStatus=0
    "$linuxProgram" "$@" <"$input" >"out/$name.linux.out" 2>"out/$name.linux.err" ||
        linuxStatus=$?
    "${runWindows[@]}" "$@" <"$input" >"out/$name.windows.out" 2>"out/$name.windows.err" ||
        windowsStatus=$?
    cases=$((cases + 1))
    local same=1
    cmp -s "out/$name.linux.out" "out/$name.windows.out" || same=0
    cmp -s "out/$name.linux.err" "out/$name.windows.err" || same=0
    [ "$linuxStatus" -eq "$windowsStatus" ] || same=0
    if [ "$same" -eq 1 ]; then
        echo "same  $name (status $linuxStatus)"
    else
        failures=$((failures + 1))
        echo "DIFF  $name: status $linuxStatus on Linux, $windowsStatus on Windows"
        cmp "out/$name.linux.out" "out/$name.windows.out" || true
        cmp "out/$name.linux.err" "out/$name.windows.err" || true
    fi
}

none=/dev/null
compare slave-text "$none" slave "N7:4/5" 40001 10
compare slave-json "$none" slave --json N7:0 40010 -5
compare slave-refused "$none" slave "F8/3" 1 1
compare slave-refused-json "$none" slave --json "F8/3" 1 1
compare slave-text-with-blanks "$none" slave " N7:0 " "40001 " 10
compare master-text "$none" master --format NXYZ:Z --command 03 --register 1234 --slave 5
compare master-json "$none" master --json --plc 3 --message-type read --command 16 --register 1 --slave 0
compare decode-text "$none" decode N451:234
compare decode-json "$none" decode --json N451:234
compare decode-nothing "$none" decode --plc 3 F8:0
compare batch-csv-lf "$none" batch table-lf.csv
compare batch-csv-crlf "$none" batch table-crlf.csv
compare batch-csv-crlf-stdin table-crlf.csv batch -
compare batch-json-crlf "$none" batch --json table-crlf.csv
compare jsonl-lf requests-lf.jsonl --jsonl
compare jsonl-crlf requests-crlf.jsonl --jsonl
compare decode-non-ascii "$none" decode $'N7:0\xC3\xA9'
compare batch-non-ascii-name "$none" batch $'tabl\xC3\xA9.csv'
compare usage-error "$none" slave N7:0
compare unknown-option "$none" master --colour
compare missing-file "$none" batch no-such-table.csv
compare version "$none" --version
compare help "$none" --help
compare batch-help "$none" batch --help

echo "compare: $((cases - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
