// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "errors/errormessages.h"

#include <array>
#include <string>

namespace Corvane::Errors {
namespace {

using namespace std::string_view_literals;

constexpr std::array kCode0{"Invalid Register Value"sv, "Enter a value between 1 and 9999"sv};
constexpr std::array kCode1{"Invalid Slave Address"sv, "Enter a value between 1 and 99"sv};
constexpr std::array kCode2{"Invalid Register Value"sv, "Enter a value between 1 and 9999"sv};
constexpr std::array kCode3{"Invalid Slave Address"sv, "Enter a value between 1 and 9"sv};
constexpr std::array kCode4{"Invalid Register Value"sv,
                            "Enter a value between 1 and 255, 1000 and 1255, 2000 and"sv,
                            "2255, etc., up to 5255"sv};
constexpr std::array kCode5{"Invalid Register Value"sv,
                            "Enter a value between 1 and 255, 1000 and 1255, 2000 and"sv,
                            "2255, etc., up to 9255"sv};
constexpr std::array kCode6{"Invalid Slave Address"sv, "Enter a value between 1 and 3"sv};
constexpr std::array kCode7{"Invalid Slave Address"sv, "Enter a value between 0 and 255"sv};
constexpr std::array kCode8{"Invalid Command"sv,
                            "Only Write functions are supported with the Broadcast Address"sv};
constexpr std::array kCode9{
    "Invalid AB Datafile"sv,
    "Enter the datafile in one of the formats shown below"sv,
    "Examples of acceptable formats are:"sv,
    "N7:0 , N7:4/5 , B3/0"sv,
    ""sv,
    "Floating point Data Files can only be entered using the following format:"sv,
    "F8:0"sv};
constexpr std::array kCode10{
    "Invalid Modbus Register/Coil"sv,
    "Due to the needed offset when mapping the desired AB bit to a Modbus Coil,"sv,
    "The value of the Modicon Start Register has been adjusted to a value that is out of Range"sv};
constexpr std::array kCode11{"Invalid Modbus Register/Coil"sv,
                             "A Modbus Register/Coil is out of Range"sv};
constexpr std::array kCode12{"Invalid AB Datafile"sv, "Files less than 10 are reserved."sv,
                             "Use the appropriate file type for files less than 10."sv};
constexpr std::array kCode13{"Invalid AB Datafile"sv,
                             "The file, word, or bit is out of the allowable range."sv};

constexpr std::array<std::span<const std::string_view>, kLastErrorCode + 1> kMessageTable{
    kCode0, kCode1, kCode2, kCode3,  kCode4,  kCode5,  kCode6,
    kCode7, kCode8, kCode9, kCode10, kCode11, kCode12, kCode13};

} // namespace

std::span<const std::string_view> errorLines(std::int16_t code)
{
    if (code < kFirstErrorCode || code > kLastErrorCode)
        return {};
    return kMessageTable[static_cast<std::size_t>(code)];
}

std::string_view errorText(std::int16_t code)
{
    // Joined once: a mapping table may refuse a million rows.
    static const std::array<std::string, kLastErrorCode + 1> kTexts = [] {
        std::array<std::string, kLastErrorCode + 1> texts;
        for (std::int16_t each = kFirstErrorCode; each <= kLastErrorCode; ++each) {
            std::string &text = texts[static_cast<std::size_t>(each)];
            bool first = true;
            for (std::string_view line : errorLines(each)) {
                if (!first)
                    text += "\r\n";
                text += line;
                first = false;
            }
        }
        return texts;
    }();
    if (code < kFirstErrorCode || code > kLastErrorCode)
        return {};
    return kTexts[static_cast<std::size_t>(code)];
}

} // namespace Corvane::Errors
