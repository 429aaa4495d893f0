# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
#
# Sourced by the scripts that configure a build: when ccache is installed,
# every new build directory compiles through it, with the cache kept outside
# the tree (ccache's own folder, ~/.cache/ccache), so that a fresh clone on
# the same machine, or a build directory made again, compiles only what
# changed. Paths under the checkout are hashed relative to it, so a clone in
# another folder finds the same entries. Without ccache nothing changes.
# CORVANE_CCACHE=0 turns it off.
#
#   source "$root/scripts/compiler-cache.sh"
if [ "${CORVANE_CCACHE:-1}" != 0 ] && command -v ccache >/dev/null; then
    export CMAKE_C_COMPILER_LAUNCHER="${CMAKE_C_COMPILER_LAUNCHER:-ccache}"
    export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}"
    CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
    export CCACHE_BASEDIR
    # Debug information then names the folder of whichever clone compiled it
    # first; the tests do not read it, and a debugger is pointed at the sources.
    export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
fi
