#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
#
# The one native build that the test command, the window, the package and the
# release measurements share, so that no source is compiled twice for them:
# build/ by default, a Release build of every part (window, CLI, tests,
# benchmarks). A new directory is configured so; one configured already keeps
# its configuration, except that CORVANE_WARNINGS_AS_ERRORS, when set, is
# applied to it. Then the targets given are built, or everything.
#
#   scripts/native-build.sh [BUILD_DIR [TARGET...]]
#
# With ccache installed, compiles go through it (scripts/compiler-cache.sh).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

build="$(realpath -m "${1:-$root/build}")"
shift || true

# shellcheck source=scripts/compiler-cache.sh
source "$root/scripts/compiler-cache.sh"

# One build at a time in a folder: scripts that need it may run side by side
# (the docs' check runs its commands in lanes).
mkdir -p "$build"
exec 9>"$build/.native-build.lock"
flock 9

configure=()
if [ ! -f "$build/CMakeCache.txt" ]; then
    configure+=(-G Ninja -DCMAKE_BUILD_TYPE=Release)
fi
if [ -n "${CORVANE_WARNINGS_AS_ERRORS:-}" ]; then
    configure+=(-DCORVANE_WARNINGS_AS_ERRORS="$CORVANE_WARNINGS_AS_ERRORS")
fi
cmake -S "$root" -B "$build" "${configure[@]}" >/dev/null
targets=()
if [ $# -gt 0 ]; then
    targets=(--target "$@")
fi
cmake --build "$build" -j "$(nproc)" "${targets[@]}"
