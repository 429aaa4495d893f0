#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything and runs every test: the
# licensing of every file; the full build (core, window, CLI) and its tests;
# the Debian package through lintian; the core and CLI tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer; corvane-cli.exe under Wine;
# the web page built with Emscripten and tested in headless Chromium; and last
# every command that the docs show (scripts/check-docs.py).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/install-deps.sh

jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
# The project checks itself with warnings as errors, in every build below
# (a user's own build has them off).
export CORVANE_WARNINGS_AS_ERRORS=ON

# Every file says its licence and copyright (REUSE).
reuse lint

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_WARNINGS_AS_ERRORS=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# The .deb of that build: its copyright file, and lintian without error or warning.
scripts/package.sh build

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_WARNINGS_AS_ERRORS=ON \
    -DCORVANE_SANITIZE=ON -DCORVANE_BUILD_GUI=OFF -DCORVANE_BUILD_BENCH=OFF
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

# corvane-cli.exe for Windows: cross-built, its CLI tests run under Wine.
scripts/build-windows.sh

# The web page: built with Emscripten, tested in headless Chromium.
CORVANE_JOBS="$jobs" CORVANE_CLI="$root/build/cli/corvane-cli" scripts/build-web.sh --test

# Every command that the docs show, run as written, with what it prints
# compared with what they show (docs/release.md says how). It runs last and
# reuses the build directories made above.
/usr/bin/python3 scripts/check-docs.py
