// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The text of the error box: one fixed title and, for each code, the lines
// that say what to enter.
namespace Corvane::Errors {

// The title of every error box, whatever the code.
inline constexpr std::string_view kErrorBoxTitle = "An Error has Occured!";

// Codes 0 to 13 have a message; every other code shows an empty text.
inline constexpr std::int16_t kFirstErrorCode = 0;
inline constexpr std::int16_t kLastErrorCode = 13;

// The lines of one code's message, heading first; empty for an unknown code.
// errorLines(11) -> {"Invalid Modbus Register/Coil", "A Modbus Register/Coil is out of Range"}
std::span<const std::string_view> errorLines(std::int16_t code);

// The text of the error box for `code`: its lines joined by CR LF, with no
// line break before the first line or after the last.
// errorText(11) -> "Invalid Modbus Register/Coil\r\nA Modbus Register/Coil is out of Range";
// errorText(14) -> "". The text lives as long as the program.
std::string_view errorText(std::int16_t code);

} // namespace Corvane::Errors
