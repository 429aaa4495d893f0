// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "master/subfunctions.h"

namespace Corvane::Master {

std::span<const std::string_view> subfunctionTexts(MessageType type)
{
    return listOf(type, kReadSubfunctions, kWriteSubfunctions);
}

std::string_view defaultSubfunction(MessageType type) { return firstOf(subfunctionTexts(type)); }

} // namespace Corvane::Master
