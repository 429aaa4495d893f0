#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
# Builds the window if needed, starts it on a virtual X display and saves a
# picture of it.
#   scripts/screenshot.sh [master|plc3|slave] [output.png]
# The state is reached the way a user reaches it: by clicking its round mark.
# Needs xvfb-run, xdotool and ImageMagick's import.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

state="${1:-master}"
output="${2:-docs/screenshot.png}"
build="${CORVANE_SCREENSHOT_BUILD:-build}"

for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshot.sh: $tool is missing" >&2; exit 1; }
done

scripts/native-build.sh "$build" corvane

# Round marks in client pixels: the container offsets plus the mark's centre.
case "$state" in
    master) click="" ;;
    slave) click="136 148" ;;  # SlaveOpt: Frame1 (-8,120) + (136,16) + (8,12)
    plc3) click="24 216" ;;    # PLC3Opt: Frame1 + MasterFrm (0,40) + (24,48) + (8,8)
    *) echo "screenshot.sh: unknown state '$state' (master, plc3 or slave)" >&2; exit 2 ;;
esac

mkdir -p "$(dirname "$output")"
output="$(cd "$(dirname "$output")" && pwd)/$(basename "$output")"
export CORVANE_BIN="$root/$build/app/corvane" CORVANE_CLICK="$click" CORVANE_OUT="$output"
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -c '
    set -euo pipefail
    "$CORVANE_BIN" &
    app=$!
    window="$(xdotool search --sync --onlyvisible --name "Allan-Bradley / Modicon Corvane")"
    sleep 1
    if [ -n "$CORVANE_CLICK" ]; then
        read -r x y <<<"$CORVANE_CLICK"
        xdotool mousemove --window "$window" "$x" "$y" click 1
        xdotool mousemove 1000 700
        sleep 1
    fi
    import -window "$window" "$CORVANE_OUT"
    kill "$app"
    wait "$app" || true
'
echo "wrote $output"
