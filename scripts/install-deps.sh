#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
# Installs what building, running and testing Corvane needs on Debian 12.
# Only the packages that are missing are installed.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git clang-format
    # Optional: every build compiles through it when it is there.
    ccache
    qt6-base-dev libgl1-mesa-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    libcli11-dev nlohmann-json3-dev
    fonts-liberation librsvg2-bin desktop-file-utils appstream
    xvfb xauth x11-utils
    g++-mingw-w64-x86-64-posix wine64
    emscripten chromium chromium-driver python3-selenium webkit2gtk-driver poppler-utils
    reuse lintian
    # The release tools, whose commands scripts/check-docs.py runs from the docs.
    clang-14 libclang-rt-14-dev gcovr valgrind hyperfine xdotool imagemagick man-db
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
