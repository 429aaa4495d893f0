// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "master/messagetype.h"

#include <array>
#include <span>
#include <string_view>

// The diagnostic subfunctions of the " 08 - Diagnostics" command, as the
// subfunction box lists them for each message type. No address depends on
// them; a request carries the one shown.
namespace Corvane::Master {

inline constexpr auto kReadSubfunctions = std::to_array<std::string_view>({
    " 00 - Return Data Query",
    " 02 - Return Diagnostic Register",
    " 11 - Return Bus Message Count",
    " 12 - Return Bus Communication Error Count",
    " 13 - Return Bus Exception Error Count",
    " 14 - Return Slave Message Count",
    " 15 - Return Slave No Response Count",
    " 16 - Return Slave NAK Count",
    " 17 - Return Slave Busy Count",
    " 18 - Return Bus Character Overrun Count",
    " 19 - Return IOP Overrun Count",
});

inline constexpr auto kWriteSubfunctions = std::to_array<std::string_view>({
    " 01 - Restart Communications",
    " 03 - Change ASCII Input Delimiter",
    " 04 - Force Listen Mode",
    " 10 - Clear Counters and Diagnostic Registers",
    " 20 - Clear Overrn Counter and Flag",
});

// The subfunctions of a message type in list order; empty for Other.
// subfunctionTexts(Read).size() -> 11
std::span<const std::string_view> subfunctionTexts(MessageType type);

// defaultSubfunction(Write) -> " 01 - Restart Communications"; empty for Other.
std::string_view defaultSubfunction(MessageType type);

} // namespace Corvane::Master
