// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

// Character classes of plain ASCII text, independent of the C locale, so that
// every reader of the rules sees the same digits and letters on every system.
namespace Corvane::Text {

// '7' -> true, '٧' (any non-ASCII byte) -> false.
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// 'n' -> true, '7' -> false.
constexpr bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// 'f' -> 'F'; anything but a lower-case letter is returned as it is.
constexpr char toUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// 'F' -> 'f'; anything but an upper-case letter is returned as it is.
constexpr char toLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace Corvane::Text
