// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

// A slow, obviously-correct reading of decimal text, written independently of
// the core: the syntax is a regular expression and the rounding and range
// checks are done on decimal digit strings, never on machine integers, so a
// number of any length is judged exactly. The fuzz targets compare the core's
// fast readers against it on short inputs.
namespace Corvane::Fuzz::Reference {

// Inputs longer than this are not compared (std::regex recurses per character).
inline constexpr std::size_t kMaxReferenceLength = 48;

struct DecimalText {
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
};

// "007" -> "7", "000" -> "0", "" -> "0".
inline std::string withoutLeadingZeros(std::string digits)
{
    const auto firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return "0";
    return digits.substr(firstNonZero);
}

// Adds one to a string of decimal digits: "199" -> "200".
inline std::string incremented(std::string digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return digits;
        }
        *it = '0';
    }
    return "1" + digits;
}

// Rounds to the nearest whole number, an exact half to the even neighbour,
// and returns the magnitude without leading zeros.
inline std::string roundedMagnitude(const DecimalText &number)
{
    std::string magnitude = withoutLeadingZeros(number.integerDigits);
    const std::string &fraction = number.fractionDigits;
    if (fraction.empty() || fraction[0] < '5')
        return magnitude;
    const bool exactHalf =
        fraction[0] == '5' && fraction.find_first_not_of('0', 1) == std::string::npos;
    const bool odd = ((magnitude.back() - '0') % 2) == 1;
    if (!exactHalf || odd)
        magnitude = incremented(magnitude);
    return magnitude;
}

// Compares two magnitudes written without leading zeros.
inline bool notGreater(const std::string &a, const std::string &b)
{
    return a.size() < b.size() || (a.size() == b.size() && a <= b);
}

// The rounded value when it lies within [-(maxPositive + 1), maxPositive].
inline std::optional<std::int64_t> toRange(const DecimalText &number, std::int64_t maxPositive)
{
    const std::string magnitude = roundedMagnitude(number);
    const std::string limit = std::to_string(number.negative ? maxPositive + 1 : maxPositive);
    if (!notGreater(magnitude, limit))
        return std::nullopt;
    const std::int64_t value = std::stoll(magnitude);
    return number.negative ? -value : value;
}

// The whole text as one number between optional blanks (spaces and tabs).
inline std::optional<DecimalText> wholeTextDecimal(std::string_view text)
{
    static const std::regex pattern(R"(^[ \t]*([+-]?)([0-9]*)(?:\.([0-9]*))?[ \t]*$)");
    std::match_results<std::string_view::const_iterator> match;
    if (!std::regex_match(text.begin(), text.end(), match, pattern))
        return std::nullopt;
    DecimalText number{match[1].str() == "-", match[2].str(), match[3].str()};
    if (number.integerDigits.empty() && number.fractionDigits.empty())
        return std::nullopt;
    return number;
}

inline std::optional<std::int64_t> wholeText(std::string_view text, std::int64_t maxPositive)
{
    const auto number = wholeTextDecimal(text);
    if (!number)
        return std::nullopt;
    return toRange(*number, maxPositive);
}

struct LeadingValue {
    bool inRange = true;
    std::int64_t value = 0;
};

// The longest leading number of a field once every blank, tab and line feed is
// taken out; a field that does not start with one reads as 0.
inline LeadingValue leadingNumber(std::string_view field)
{
    std::string squeezed(field);
    squeezed.erase(std::remove_if(squeezed.begin(), squeezed.end(),
                                  [](char c) { return c == ' ' || c == '\t' || c == '\n'; }),
                   squeezed.end());
    static const std::regex pattern(R"(^([+-]?)([0-9]*)(?:\.([0-9]*))?)");
    std::smatch match;
    std::regex_search(squeezed, match, pattern);
    DecimalText number{match[1].str() == "-", match[2].str(), match[3].str()};
    if (number.integerDigits.empty() && number.fractionDigits.empty())
        return {};
    const auto value = toRange(number, INT32_MAX);
    if (!value)
        return {false, 0};
    return {true, *value};
}

} // namespace Corvane::Fuzz::Reference
