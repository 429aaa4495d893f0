# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT

# Debian's nlohmann-json headers for the cross builds (MinGW-w64, Emscripten).
include(${CMAKE_CURRENT_LIST_DIR}/header-only.cmake)
corvaneHeaderOnly(nlohmann_json::nlohmann_json nlohmann)
