#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
#
# Builds the Debian package and checks it: lintian must report neither an
# error nor a warning, and the package must carry its copyright file.
#
#   scripts/package.sh             packages build/, built first (scripts/native-build.sh)
#   scripts/package.sh DIR         packages another build directory, built first
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

build="${1:-build}"
scripts/native-build.sh "$build"
(cd "$build" && cpack -G DEB >/dev/null)
package="$(ls -t "$build"/corvane_*_amd64.deb | head -n 1)"
echo "Package: $package"

# The listing is read whole: grep -q would stop reading at the first match and
# dpkg-deb would then die of a broken pipe.
contents="$(dpkg-deb -c "$package")"
if ! grep -q ' ./usr/share/doc/corvane/copyright$' <<<"$contents"; then
    echo "FAIL: $package carries no /usr/share/doc/corvane/copyright" >&2
    exit 1
fi
lintian --fail-on error,warning "$package"
echo "lintian: no error, no warning"
