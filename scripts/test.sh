#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything and runs every test: the
# licensing of every file; the native build (core, window, CLI: build/, which
# the package, the docs' commands and the measurements share) and its tests;
# the Debian package through lintian; the core and CLI tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer; corvane-cli.exe under Wine;
# the web page built with Emscripten and tested in headless Chromium and
# WebKitGTK; and last every command that the docs show (scripts/check-docs.py).
#
#   scripts/test.sh            everything, as CI runs it
#   scripts/test.sh --quick    the developer's loop: build/ where it changed
#                              and its tests, and the page's tests in Chromium
#                              when a file under web/ differs from HEAD
#   scripts/test.sh --quick --page   the same, the page's tests whatever changed
#
# The random loops run at the size that has found faults; CORVANE_SOAK=1 runs
# them at their large sizes (for a release). With ccache installed, compiles
# go through it (scripts/compiler-cache.sh). Each stage's time is printed at
# the end.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

quick=0
page=0
for argument in "$@"; do
    case "$argument" in
    --quick) quick=1 ;;
    --page) page=1 ;;
    -h | --help)
        sed -n '12,21s/^# \{0,1\}//p' "$0"
        exit 0
        ;;
    *)
        echo "$0: unknown argument $argument (try --help)" >&2
        exit 64
        ;;
    esac
done

scripts/install-deps.sh

jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
# The project checks itself with warnings as errors, in every build below
# (a user's own build has them off).
export CORVANE_WARNINGS_AS_ERRORS=ON
# shellcheck source=scripts/compiler-cache.sh
source scripts/compiler-cache.sh

# The page's build and browser tests get the native corvane-cli as the
# reference of their differential test.
export CORVANE_JOBS="$jobs" CORVANE_CLI="$root/build/cli/corvane-cli"

started=$SECONDS
times=()
# note_time NAME FROM: the stage NAME, begun at FROM ($SECONDS), for the table.
note_time()
{
    times+=("$(printf '%-34s %2d:%02d' "$1" $(((SECONDS - $2) / 60)) $(((SECONDS - $2) % 60)))")
}
# stage NAME COMMAND...: runs one stage, notes its minutes and returns its
# status. (A stage's command runs where set -e does not reach, so a function
# given here chains its steps with &&.)
stage()
{
    local name="$1" from=$SECONDS status=0
    shift
    echo "== $name"
    "$@" || status=$?
    note_time "$name" "$from"
    return "$status"
}
report_times()
{
    echo
    echo "Stages (minutes:seconds, wall clock):"
    printf '  %s\n' "${times[@]}"
    printf '  %-34s %2d:%02d\n' "in all" $(((SECONDS - started) / 60)) $(((SECONDS - started) % 60))
}

native_tests()
{
    ctest --test-dir build --output-on-failure -j "$jobs"
}

if [ "$quick" -eq 1 ]; then
    stage "native build (build/)" scripts/native-build.sh build
    stage "native tests" native_tests
    if [ "$page" -eq 1 ] || [ -n "$(git status --porcelain -- web)" ]; then
        export CORVANE_WEB_ENGINES=chromium
        stage "page build and Chromium tests" scripts/build-web.sh --test
    fi
    report_times
    exit 0
fi

# Every file says its licence and copyright (REUSE).
stage "licences (reuse lint)" reuse lint

stage "native build (build/)" scripts/native-build.sh build

stage "native tests" native_tests

# The browser tests mostly wait on the browser: they run beside the stages
# below, which keep both cores busy (the native tests, which start a process
# per test, run before them: beside the page's build they take five times as
# long), and their output is shown when they end;
# the stage writes its exit status to page.status for the docs' check. It
# runs in a session of its own, stopped whole if this script ends first.
logs="$root/build/test-logs"
mkdir -p "$logs"
rm -f "$logs/page.status"
setsid bash -c \
    'status=0; scripts/build-web.sh --test || status=$?; echo "$status" >"$0"; exit "$status"' \
    "$logs/page.status" >"$logs/page.log" 2>&1 </dev/null &
page_job=$!
page_from=$SECONDS
trap 'kill -TERM -- -"$page_job" 2>/dev/null || true' EXIT
echo "== page build and browser tests: started beside the next stages ($logs/page.log)"

# The .deb of that build: its copyright file, and lintian without error or warning.
stage "package (lintian)" scripts/package.sh

sanitized_build()
{
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_WARNINGS_AS_ERRORS=ON \
        -DCORVANE_SANITIZE=ON -DCORVANE_BUILD_GUI=OFF -DCORVANE_BUILD_BENCH=OFF \
        -DCORVANE_TEST_PROCESSES=program &&
        cmake --build build-sanitize -j "$jobs"
}
sanitized_tests()
{
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
}
stage "sanitizer build (build-sanitize/)" sanitized_build
stage "sanitizer tests" sanitized_tests

# corvane-cli.exe for Windows: cross-built, its CLI tests run under Wine.
stage "Windows (build-windows/, Wine)" scripts/build-windows.sh

# Every command that the docs show, run as written, with what it prints
# compared with what they show (docs/release.md says how). It reuses the
# build directories made above; the commands that read or build the page wait
# for the page's stage to end.
docs_status=0
stage "the docs' commands (check-docs)" \
    /usr/bin/python3 scripts/check-docs.py --jobs 3 --page-ready "$logs/page.status" || docs_status=$?

page_status=0
wait "$page_job" || page_status=$?
echo "== page build and browser tests ($logs/page.log)"
cat "$logs/page.log"
note_time "page build and browser tests" "$page_from"
report_times
if [ "$page_status" -ne 0 ]; then
    echo "FAIL: the page's build or browser tests (status $page_status)" >&2
fi
if [ "$docs_status" -ne 0 ]; then
    echo "FAIL: the docs' commands (status $docs_status)" >&2
fi
[ "$page_status" -eq 0 ] && [ "$docs_status" -eq 0 ]
