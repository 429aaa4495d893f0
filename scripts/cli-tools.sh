# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
#
# Sourced by the scripts that measure corvane-cli: builds corvane-cli and the
# table generator in the build directory $1 (configured for a release with
# debug information when it is new, and otherwise left as it is configured),
# and makes a scratch directory removed on exit. Sets $cli, $make_table, $work.
#
#   source "$root/scripts/cli-tools.sh" "$build"
if [ ! -f "$1/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_WARNINGS_AS_ERRORS="${CORVANE_WARNINGS_AS_ERRORS:-OFF}" \
        -DCORVANE_BUILD_GUI=OFF -DCORVANE_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$1" -j 2 --target corvane-cli corvane_make_table >/dev/null
cli="$1/cli/corvane-cli"
make_table="$1/bench/corvane_make_table"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
