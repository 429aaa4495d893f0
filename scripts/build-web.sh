#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
#
# Builds the web edition, build-web/corvane.html, with Emscripten.
#   scripts/build-web.sh          build the page
#   scripts/build-web.sh --test   also build corvane-cli natively in build/
#                                 (the reference of the differential test) and
#                                 run the browser tests in headless Chromium
#                                 and WebKitGTK; CORVANE_CLI=path/to/corvane-cli
#                                 uses another one instead
#   CORVANE_WEB_ENGINES=chromium scripts/build-web.sh --test   Chromium alone
#   CORVANE_BROWSER_JOBS=N        browser tests side by side (default 3: they
#                                 mostly wait on the browser)
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
# shellcheck source=scripts/compiler-cache.sh
source scripts/compiler-cache.sh
# Debian's Emscripten runs its JavaScript optimizer with the system's node modules.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"

cli=""
if [ "$run_tests" -eq 1 ]; then
    cli="${CORVANE_CLI:-}"
    if [ -z "$cli" ]; then
        scripts/native-build.sh build corvane-cli >/dev/null
        cli="$root/build/cli/corvane-cli"
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
    engines="${CORVANE_WEB_ENGINES:-chromium webkit}"
    skip=()
    if [[ " $engines " != *" webkit "* ]]; then
        skip+=(-E '^web\.webkit\.')
    fi
    ctest --test-dir build-web --output-on-failure -j "${CORVANE_BROWSER_JOBS:-3}" -L web "${skip[@]}"
fi
