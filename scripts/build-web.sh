#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
#
# Builds the web edition, build-web/corvane.html, with Emscripten.
#   scripts/build-web.sh          build the page
#   scripts/build-web.sh --test   also build corvane-cli natively (the
#                                 reference of the differential test) and run
#                                 the browser tests in headless Chromium;
#                                 CORVANE_CLI=path/to/corvane-cli uses one
#                                 already built instead
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

run_tests=0
case "${1:-}" in
    --test) run_tests=1 ;;
    "") ;;
    *) echo "usage: $0 [--test]" >&2; exit 1 ;;
esac

jobs="${CORVANE_JOBS:-2}"
# Debian's Emscripten runs its JavaScript optimizer with the system's node modules.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"

cli=""
if [ "$run_tests" -eq 1 ]; then
    cli="${CORVANE_CLI:-}"
    if [ -z "$cli" ]; then
        cmake -S . -B build-web-cli -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_WARNINGS_AS_ERRORS="${CORVANE_WARNINGS_AS_ERRORS:-OFF}" \
            -DCORVANE_BUILD_GUI=OFF -DCORVANE_BUILD_TESTS=OFF -DCORVANE_BUILD_BENCH=OFF
        cmake --build build-web-cli -j "$jobs" --target corvane-cli
        cli="$root/build-web-cli/cli/corvane-cli"
    fi
fi

# The differential test's reference is set when testing; a build alone keeps
# the one it had, so it does not take that test away from an earlier --test.
reference=()
if [ "$run_tests" -eq 1 ]; then
    reference=(-DCORVANE_CLI="$cli")
fi
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_WARNINGS_AS_ERRORS="${CORVANE_WARNINGS_AS_ERRORS:-OFF}" \
    -DCORVANE_BUILD_GUI=OFF -DCORVANE_BUILD_TESTS=OFF -DCORVANE_BUILD_BENCH=OFF "${reference[@]}"
cmake --build build-web -j "$jobs" --target corvane_page
echo "Open build-web/corvane.html in a browser."

if [ "$run_tests" -eq 1 ]; then
    ctest --test-dir build-web --output-on-failure -j "$jobs" -L web
fi
