#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT

# Runs a Windows program of the cross build under Wine, in a Wine prefix of the
# build's own (made on first use), quietly and without a display:
#   wine-emulator.sh /usr/lib/wine/wine64 build-windows/wine-prefix prog.exe ARGS...
# CMake and ctest call it as the build's CMAKE_CROSSCOMPILING_EMULATOR.
set -euo pipefail

if [ $# -lt 3 ]; then
    echo "usage: $0 WINE PREFIX PROGRAM.exe [ARGUMENTS...]" >&2
    exit 64
fi
wine="$1"
prefix="$2"
shift 2

export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: the programs are plain console programs, and without this
# the first start asks, in a window, to download them.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Wine keeps nothing in $HOME when WINEPREFIX is set, but it looks it up.
export HOME="${HOME:-$prefix}"

# Tests run in parallel; the first one makes the prefix while the others wait.
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
ready="$prefix/.corvane-ready"
if [ ! -f "$ready" ]; then
    # Wine writes the new registry out only when its server stops, so the
    # prefix is complete once the server has gone.
    wineserver="$(dirname "$wine")/wineserver"
    [ -x "$wineserver" ] || wineserver=wineserver
    # A prefix without the mark was left half made by a run that was stopped.
    if [ -d "$prefix/drive_c" ] || [ -d "$prefix/dosdevices" ]; then
        "$wineserver" -k 2>/dev/null || true
        rm -rf "$prefix"
    fi
    if ! { "$wine" wineboot -i && "$wineserver" -w; } >"$prefix.log" 2>&1 9>&- ||
        [ ! -f "$prefix/system.reg" ]; then
        echo "wine-emulator.sh: wineboot failed to make $prefix; see $prefix.log" >&2
        exit 70
    fi
    touch "$ready"
fi
flock -u 9
exec 9>&-

exec "$wine" "$@"
