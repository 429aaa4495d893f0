#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT

# Cross-builds corvane-cli.exe for 64-bit Windows with MinGW-w64 in
# build-windows/, runs the CLI tests and a byte-for-byte comparison with the
# Linux program under Wine, and zips the program with README.md and LICENSE:
#   scripts/build-windows.sh               # build, test, zip
#   scripts/build-windows.sh --no-tests    # build and zip only; no Wine needed
# The zip is build-windows/corvane-cli-VERSION-windows-x86_64.zip.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

runTests=1
for argument in "$@"; do
    case "$argument" in
    --no-tests) runTests=0 ;;
    -h | --help)
        sed -n '5,10s/^# \{0,1\}//p' "$0"
        exit 0
        ;;
    *)
        echo "$0: unknown argument $argument (try --help)" >&2
        exit 64
        ;;
    esac
done

jobs="$(nproc)"
build="$root/build-windows"
started=$SECONDS
# shellcheck source=scripts/compiler-cache.sh
source scripts/compiler-cache.sh

buildTests=OFF
targets=(corvane-cli)
if [ "$runTests" -eq 1 ]; then
    buildTests=ON
    targets+=(corvane_cli_tests corvane_answers_tests)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_WARNINGS_AS_ERRORS="${CORVANE_WARNINGS_AS_ERRORS:-OFF}" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/mingw-w64-x86_64.cmake" \
    -DCORVANE_BUILD_GUI=OFF -DCORVANE_BUILD_BENCH=OFF -DCORVANE_FUZZ=OFF \
    -DCORVANE_BUILD_TESTS="$buildTests"
cmake --build "$build" -j "$jobs" --target "${targets[@]}"
built=$SECONDS

# The program must run from the zip alone: only DLLs that every Windows has.
exe="$build/cli/corvane-cli.exe"
dlls="$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')"
echo "corvane-cli.exe imports:" $dlls
foreign="$(grep -viE '^(kernel32|msvcrt|ucrtbase|advapi32|user32|shell32|ws2_32|bcrypt)\.dll$|^api-ms-win-' \
    <<<"$dlls" || true)"
if [ -n "$foreign" ]; then
    echo "$0: corvane-cli.exe needs DLLs that Windows does not have:" $foreign >&2
    exit 1
fi

if [ "$runTests" -eq 1 ]; then
    wine="$(sed -n 's/^CORVANE_WINE:FILEPATH=//p' "$build/CMakeCache.txt")"
    if [ -z "$wine" ] || [ ! -x "$wine" ]; then
        echo "$0: Wine not found (install wine64), or run with --no-tests" >&2
        exit 1
    fi
    wineserver="$(dirname "$wine")/wineserver"
    [ -x "$wineserver" ] || wineserver=wineserver
    export WINEPREFIX="$build/wine-prefix"

    runUnderWine=(cmake/toolchains/wine-emulator.sh "$wine" "$WINEPREFIX" "$exe" --version)

    # The first program run under Wine makes the build's prefix (wineboot).
    "${runUnderWine[@]}" </dev/null >/dev/null
    booted=$SECONDS

    # One Wine server for all the tests rather than one per test, stopped
    # when they are done, however they end. Wine's own services start with the
    # first program under a server and live as long as it: they are started
    # here, away from ctest's pipes, which they would otherwise hold open.
    "$wineserver" -w
    "$wineserver" -p
    trap '"$wineserver" -k 2>/dev/null || true' EXIT
    "${runUnderWine[@]}" </dev/null >/dev/null 2>&1

    # ctest runs each test under Wine (the build's CMAKE_CROSSCOMPILING_EMULATOR).
    ctest --test-dir "$build" -L '^(cli|answers)$' -j "$jobs" --output-on-failure
    tested=$SECONDS

    # The Linux program that the .exe is held against, built from the same
    # sources: the native build's (scripts/native-build.sh).
    scripts/native-build.sh build corvane-cli >/dev/null
    scripts/compare-windows.sh build/cli/corvane-cli "$build"
    compared=$SECONDS
fi

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
if [ -z "$version" ] || [ ! -f LICENSE ]; then
    echo "$0: the project version or LICENSE is missing" >&2
    exit 1
fi
zip="$build/corvane-cli-$version-windows-x86_64.zip"
staging="$build/zip"
rm -rf "$staging" "$zip"
mkdir -p "$staging"
x86_64-w64-mingw32-strip -o "$staging/corvane-cli.exe" "$exe"
cp README.md LICENSE "$staging/"
# The files are dated by the last commit, not by when they were built.
mtime="$(TZ=UTC git log -1 --format=%cd --date=format-local:'%Y-%m-%d %H:%M:%S UTC' 2>/dev/null ||
    date -u '+%Y-%m-%d %H:%M:%S UTC')"
(cd "$staging" && cmake -E tar cf "$zip" --format=zip --mtime="$mtime" \
    corvane-cli.exe README.md LICENSE)

echo "Made $zip ($(stat -c %s "$zip") bytes; corvane-cli.exe $(stat -c %s "$staging/corvane-cli.exe") bytes)"
if [ "$runTests" -eq 1 ]; then
    echo "Times: build $((built - started)) s, Wine prefix $((booted - built)) s," \
        "tests under Wine $((tested - booted)) s, comparison with Linux $((compared - tested)) s"
fi
