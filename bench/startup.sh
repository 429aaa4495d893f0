#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
# Start-up time and memory of corvane against a minimal Qt Widgets window,
# both built here in the same run and started the same way under Xvfb.
#
# Start-up: from launching the program to the X server mapping its top-level
# window, as seen by an xev listening for MapNotify on the root window.
# Memory: VmRSS of the process once its window is up and has settled.
# Each program is started REPEAT times, interleaved, after one warm-up run;
# the medians are compared. Targets: start-up within 1.3 times and memory
# within 1.25 times the minimal window's; the script fails when one is missed.
#
#   bench/startup.sh                      build/ (scripts/native-build.sh), 21 runs each
#   REPEAT=51 bench/startup.sh DIR        another build directory (kept as it
#                                         is configured), more runs
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

build="$(realpath -m "${1:-$root/build}")"
repeat="${REPEAT:-21}"
settle="${SETTLE_SECONDS:-0.5}"

# A new build directory is a Release build; one made already keeps its build
# type and flags, and only what changed is built again.
scripts/native-build.sh "$build" corvane corvane_minimal_window >/dev/null

corvane="$(find "$build" -type f -name corvane -perm -u+x | head -n 1)"
minimal="$(find "$build" -type f -name corvane_minimal_window -perm -u+x | head -n 1)"
[ -x "$corvane" ] && [ -x "$minimal" ] || { echo "programs not built" >&2; exit 1; }

scratch="$(mktemp -d)"
xvfbPid=""
xevPid=""
cleanup() {
    [ -n "$xevPid" ] && kill "$xevPid" 2>/dev/null || true
    [ -n "$xvfbPid" ] && kill "$xvfbPid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# A display of our own, whichever number is free.
Xvfb -displayfd 5 -nolisten tcp -screen 0 1280x1024x24 5>"$scratch/display" 2>/dev/null &
xvfbPid=$!
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.05
done
export DISPLAY=":$(head -n 1 "$scratch/display")"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Map events of every top-level window arrive here, one per line.
mkfifo "$scratch/events"
xev -root -event substructure >"$scratch/events" &
xevPid=$!
exec 3<"$scratch/events"
sleep 0.3

# Starts one program, prints "<milliseconds to map> <VmRSS kB>", stops it.
measure() {
    local program="$1" line started mapped pid rss
    # Drop events left over from the previous program.
    while read -t 0.01 -u 3 line; do :; done
    started=$EPOCHREALTIME
    "$program" >/dev/null 2>&1 &
    pid=$!
    mapped=""
    while read -t 20 -u 3 line; do
        case "$line" in
        MapNotify*)
            local now=$EPOCHREALTIME
            read -t 5 -u 3 line || true
            if [[ "$line" == *"override NO"* ]]; then
                mapped=$now
                break
            fi
            ;;
        esac
    done
    [ -n "$mapped" ] || { echo "$program: no window mapped" >&2; kill "$pid"; exit 1; }
    sleep "$settle"
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v a="$started" -v b="$mapped" -v r="$rss" 'BEGIN { printf "%.1f %d\n", (b - a) * 1000, r }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

measure "$corvane" >/dev/null
measure "$minimal" >/dev/null
: >"$scratch/corvane"
: >"$scratch/minimal"
for _ in $(seq "$repeat"); do
    measure "$corvane" >>"$scratch/corvane"
    measure "$minimal" >>"$scratch/minimal"
done

corvaneMs=$(cut -d' ' -f1 "$scratch/corvane" | median)
minimalMs=$(cut -d' ' -f1 "$scratch/minimal" | median)
corvaneKb=$(cut -d' ' -f2 "$scratch/corvane" | median)
minimalKb=$(cut -d' ' -f2 "$scratch/minimal" | median)

awk -v cm="$corvaneMs" -v mm="$minimalMs" -v ck="$corvaneKb" -v mk="$minimalKb" -v n="$repeat" '
BEGIN {
    timeRatio = cm / mm
    memoryRatio = ck / mk
    printf "Medians of %d runs each under Xvfb\n", n
    printf "%-24s %12s %14s\n", "", "start-up ms", "VmRSS MiB"
    printf "%-24s %12.1f %14.1f\n", "corvane", cm, ck / 1024
    printf "%-24s %12.1f %14.1f\n", "minimal Qt window", mm, mk / 1024
    printf "%-24s %12.2f %14.2f\n", "ratio", timeRatio, memoryRatio
    printf "%-24s %12s %14s\n", "target", "<= 1.30", "<= 1.25"
    missed = (timeRatio > 1.30) + (memoryRatio > 1.25)
    print missed ? "MISSED" : "MET"
    exit missed ? 1 : 0
}'
