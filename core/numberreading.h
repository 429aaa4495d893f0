// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The three ways the calculator reads a number typed by the user. All three
// read plain decimal text exactly (no binary floating point) and round a
// fraction to the nearest whole number, an exact half to the even neighbour.
// Exponents, radix prefixes and digit group separators are not numbers here.
// Each runs in time linear in the length of the text.
namespace Corvane::NumberReading {

// Whole text into a 32-bit integer; blanks may surround the number.
// "40001" -> 40001, " 2.5 " -> 2, "40001.5" -> 40002; "abc", "", "1e3" and
// values outside the 32-bit range -> nullopt (the slave fields then read 0).
std::optional<std::int32_t> wholeText32(std::string_view text);

// Whole text into a 16-bit integer, same syntax as wholeText32.
// "12" -> 12, "3.5" -> 4; "70000" and "x" -> nullopt (the master fields keep -1).
std::optional<std::int16_t> wholeText16(std::string_view text);

// Outcome of reading the leading number of a data file address field.
struct LeadingNumber {
    // False only when the field holds a number outside the 32-bit range.
    bool inRange = true;
    // The number read; 0 when the field does not start with a number.
    std::int32_t value = 0;
};

// Leading number of a field: blanks, tabs and line feeds anywhere are skipped,
// the longest leading decimal number is read and the rest ignored.
// "7" -> 7, " 1 2x" -> 12, "5abc" -> 5, "x" -> 0, "1e3" -> 1,
// "99999999999" -> out of range.
LeadingNumber leadingNumber(std::string_view field);

} // namespace Corvane::NumberReading
