// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/numberreading.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Fields that a silent rule read: a text without a number, a number outside
// the range, a fraction rounded, text after a leading number ignored. The
// rules give their answer as ever; a warning beside it says what was read.
namespace Corvane::Answers {

struct Warning {
    std::string field; // "count", "address word", "register"
    std::string text;  // "x", as typed
    std::int32_t value = 0;
    // One word for scripts: "no number", "out of range", "text ignored" or
    // "rounded", the first that applies.
    std::string_view reason;
    // The whole warning for people:
    // count "x" holds no number: read as 0
    // start "99999999999" is outside the 32-bit range: read as 0
    // address word "4.5x": "x" after the number is not read, the fraction is rounded: read as 4
    std::string message;
};

// The warnings of the fields a translation read; none for a field read as
// typed.
std::vector<Warning> warningsOf(const NumberReading::FieldReadings &readings);

// The warnings as one text: their messages joined by "; ".
std::string joinedWarnings(const std::vector<Warning> &warnings);

} // namespace Corvane::Answers
