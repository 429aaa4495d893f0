// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>

// Lists of words as a sentence writes them, for messages built from tables.
namespace Corvane::Text {

// {"1", "3", "4", "8"} with "or" -> "1, 3, 4 or 8"; {"01", "15"} with "and" ->
// "01 and 15"; {"5"} -> "5"; {} -> "".
std::string joinedList(std::span<const std::string> words, std::string_view lastJoin);

} // namespace Corvane::Text
