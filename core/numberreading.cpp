// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "core/numberreading.h"

#include "core/characters.h"

#include <limits>

namespace Corvane::NumberReading {
namespace {

// Larger than any 32-bit magnitude; the integer part saturates here so that a
// text of any length is read without overflow.
constexpr std::uint64_t kSaturated = std::uint64_t{1} << 40;

bool isWholeTextBlank(char c) { return c == ' ' || c == '\t'; }
bool isFieldBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// One decimal number as written: sign, integer part, and just enough of the
// fraction to round it exactly.
struct Decimal {
    bool found = false;
    bool negative = false;
    std::uint64_t integer = 0;
    int firstFractionDigit = 0;
    bool fractionTailNonZero = false;
    std::size_t end = 0;
};

// Reads the longest decimal number that starts at `pos`. Where `SkipBlanks` is
// set, blanks are ignored between any two characters of the number; it is a
// template argument so that the whole-text reading pays nothing for it.
template <bool SkipBlanks> Decimal scanDecimal(std::string_view text, std::size_t pos)
{
    Decimal d;
    auto skip = [&] {
        if constexpr (SkipBlanks) {
            while (pos < text.size() && isFieldBlank(text[pos]))
                ++pos;
        }
    };

    skip();
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        d.negative = text[pos] == '-';
        ++pos;
    }
    bool anyDigit = false;
    for (skip(); pos < text.size() && Text::isDigit(text[pos]); ++pos, skip()) {
        anyDigit = true;
        d.integer = d.integer * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        if (d.integer > kSaturated)
            d.integer = kSaturated;
        d.end = pos + 1;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        if (anyDigit)
            d.end = pos;
        bool first = true;
        for (skip(); pos < text.size() && Text::isDigit(text[pos]); ++pos, skip()) {
            anyDigit = true;
            const int digit = text[pos] - '0';
            if (first)
                d.firstFractionDigit = digit;
            else if (digit != 0)
                d.fractionTailNonZero = true;
            first = false;
            d.end = pos + 1;
        }
    }
    d.found = anyDigit;
    return d;
}

bool hasFraction(const Decimal &d) { return d.firstFractionDigit != 0 || d.fractionTailNonZero; }

// Rounds half to even and checks the 32-bit range.
std::optional<std::int32_t> toInt32(const Decimal &d)
{
    std::uint64_t magnitude = d.integer;
    const bool roundUp =
        d.firstFractionDigit > 5 ||
        (d.firstFractionDigit == 5 && (d.fractionTailNonZero || (magnitude % 2) == 1));
    if (roundUp)
        ++magnitude;

    constexpr std::uint64_t maxPositive = std::numeric_limits<std::int32_t>::max();
    if (d.negative) {
        if (magnitude > maxPositive + 1)
            return std::nullopt;
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude));
    }
    if (magnitude > maxPositive)
        return std::nullopt;
    return static_cast<std::int32_t>(magnitude);
}

WholeTextReading readWholeText(std::string_view text)
{
    WholeTextReading reading;
    std::size_t pos = 0;
    while (pos < text.size() && isWholeTextBlank(text[pos]))
        ++pos;
    const Decimal d = scanDecimal<false>(text, pos);
    reading.notes.noNumber = !d.found;
    for (std::size_t rest = d.end; rest < text.size() && d.found; ++rest) {
        if (!isWholeTextBlank(text[rest]))
            reading.notes.noNumber = true;
    }
    if (reading.notes.noNumber)
        return reading;
    reading.value = toInt32(d);
    reading.notes.outOfRange = !reading.value;
    reading.notes.rounded = reading.value && hasFraction(d);
    return reading;
}

} // namespace

WholeTextReading readWholeText32(std::string_view text) { return readWholeText(text); }

WholeTextReading readWholeText16(std::string_view text)
{
    WholeTextReading reading = readWholeText(text);
    if (reading.value && (*reading.value < std::numeric_limits<std::int16_t>::min() ||
                          *reading.value > std::numeric_limits<std::int16_t>::max())) {
        reading.value.reset();
        reading.notes.outOfRange = true;
        reading.notes.rounded = false;
    }
    return reading;
}

std::optional<std::int32_t> wholeText32(std::string_view text) { return readWholeText(text).value; }

std::optional<std::int16_t> wholeText16(std::string_view text)
{
    const auto value = readWholeText16(text).value;
    if (!value)
        return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

LeadingNumber leadingNumber(std::string_view field)
{
    const Decimal d = scanDecimal<true>(field, 0);
    LeadingNumber number;
    if (!d.found) {
        number.notes.noNumber = true;
        return number;
    }
    // Blanks are not read anywhere in the field, so text after the number
    // counts only from its first other character.
    std::size_t rest = d.end;
    while (rest < field.size() && isFieldBlank(field[rest]))
        ++rest;
    number.notes.ignored = field.substr(rest);
    const auto value = toInt32(d);
    if (!value) {
        number.inRange = false;
        number.notes.outOfRange = true;
        return number;
    }
    number.value = *value;
    number.notes.rounded = hasFraction(d);
    return number;
}

} // namespace Corvane::NumberReading
