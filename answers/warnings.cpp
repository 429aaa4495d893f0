// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/warnings.h"

#include "answers/request.h"

namespace Corvane::Answers {
namespace {

Warning warningOf(const NumberReading::FieldReading &reading)
{
    const NumberReading::ReadingNotes &notes = reading.notes;
    Warning warning{std::string(reading.field), std::string(reading.text), reading.value, {}, {}};
    const std::string named = warning.field + " " + quotedText(reading.text);
    const std::string readAs = ": read as " + std::to_string(reading.value);
    if (notes.noNumber) {
        warning.reason = "no number";
        warning.message = named + " holds no number" + readAs;
    } else if (notes.outOfRange) {
        warning.reason = "out of range";
        warning.message =
            named + " is outside the " + std::to_string(reading.bits) + "-bit range" + readAs;
    } else {
        std::string what;
        if (!notes.ignored.empty()) {
            warning.reason = "text ignored";
            what = quotedText(notes.ignored) + " after the number is not read";
        }
        if (notes.rounded) {
            if (warning.reason.empty())
                warning.reason = "rounded";
            what += (what.empty() ? "" : ", ") + std::string("the fraction is rounded");
        }
        warning.message = named + ": " + what + readAs;
    }
    return warning;
}

} // namespace

std::vector<Warning> warningsOf(const NumberReading::FieldReadings &readings)
{
    std::vector<Warning> warnings;
    for (const NumberReading::FieldReading &reading : readings.read()) {
        if (reading.notes.any())
            warnings.push_back(warningOf(reading));
    }
    return warnings;
}

std::string joinedWarnings(const std::vector<Warning> &warnings)
{
    std::string text;
    for (const Warning &warning : warnings)
        text += (text.empty() ? "" : "; ") + warning.message;
    return text;
}

} // namespace Corvane::Answers
