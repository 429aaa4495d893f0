# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT

# Debian's CLI11 headers for the MinGW-w64 cross build.
include(${CMAKE_CURRENT_LIST_DIR}/header-only.cmake)
corvaneHeaderOnly(CLI11::CLI11 CLI)
