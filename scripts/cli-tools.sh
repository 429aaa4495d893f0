# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
#
# Sourced by the scripts that measure corvane-cli: builds corvane-cli and the
# table generator in the build directory $1 (scripts/native-build.sh: a new
# one is a Release build, one made already is left as it is configured), and
# makes a scratch directory removed on exit. Sets $cli, $make_table, $work.
#
#   source "$root/scripts/cli-tools.sh" "$build"
"$root/scripts/native-build.sh" "$1" corvane-cli corvane_make_table >/dev/null
cli="$1/cli/corvane-cli"
make_table="$1/bench/corvane_make_table"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
