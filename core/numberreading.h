// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The three ways the calculator reads a number typed by the user. All three
// read plain decimal text exactly (no binary floating point) and round a
// fraction to the nearest whole number, an exact half to the even neighbour.
// Exponents, radix prefixes and digit group separators are not numbers here.
// Each runs in time linear in the length of the text.
namespace Corvane::NumberReading {

// What the reading rules did to a text beside reading its number, so that a
// face can say which fields were read by a silent rule. The value read is
// the rules' own, whatever the notes say.
struct ReadingNotes {
    bool noNumber = false;   // the text holds no number: the field takes the rule's fallback
    bool outOfRange = false; // a number beyond the range: the field takes the rule's fallback
    bool rounded = false;    // a fraction was rounded to a whole number
    // Leading numbers only: the text after the number, which is not read.
    std::string_view ignored;

    bool any() const { return noNumber || outOfRange || rounded || !ignored.empty(); }
};

// A whole-text reading with its notes. "x" -> none, no number; "2.5" -> 2,
// rounded; "70000" as 16 bits -> none, out of range.
struct WholeTextReading {
    std::optional<std::int32_t> value;
    ReadingNotes notes;
};
WholeTextReading readWholeText32(std::string_view text);
WholeTextReading readWholeText16(std::string_view text);

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
    ReadingNotes notes;
};

// Leading number of a field: blanks, tabs and line feeds anywhere are skipped,
// the longest leading decimal number is read and the rest ignored.
// "7" -> 7, " 1 2x" -> 12, "5abc" -> 5 ("abc" ignored), "x" -> 0 (no number),
// "1e3" -> 1 ("e3" ignored), "99999999999" -> out of range.
LeadingNumber leadingNumber(std::string_view field);

// How a translation read one of its number fields, for a face that tells
// the user which field a silent rule read: ("count", "x", 0, no number).
struct FieldReading {
    std::string_view field; // "start", "register", "address word", ...
    std::string_view text;  // the field's text, or the part of it read as the number
    std::int32_t value = 0; // the value the rules went on with
    ReadingNotes notes;
    int bits = 32; // the range it is read into: 32 or 16 bits
};

// The number fields one translation read, in the order it read them; a
// translation reads at most five.
class FieldReadings {
public:
    void add(const FieldReading &reading)
    {
        if (m_count < m_fields.size())
            m_fields[m_count++] = reading;
    }
    std::span<const FieldReading> read() const { return {m_fields.data(), m_count}; }

private:
    std::array<FieldReading, 5> m_fields{};
    std::size_t m_count = 0;
};

} // namespace Corvane::NumberReading
