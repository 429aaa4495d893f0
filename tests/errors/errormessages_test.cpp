// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "errors/errormessages.h"
#include "tests/support/rowname.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Corvane::Errors::errorLines;
using Corvane::Errors::errorText;
using testing::ElementsAreArray;

struct MessageRow {
    const char *name;
    std::int16_t code;
    std::vector<std::string> lines;
    // The box text written out by hand, so that the join is checked against
    // what the user reads rather than against another join.
    std::string text;
};

std::vector<std::string> linesOf(std::int16_t code)
{
    std::vector<std::string> lines;
    for (std::string_view line : errorLines(code))
        lines.emplace_back(line);
    return lines;
}

class MessageTable : public testing::TestWithParam<MessageRow> {};

TEST_P(MessageTable, LinesAndJoinedText)
{
    const MessageRow &row = GetParam();
    EXPECT_THAT(linesOf(row.code), ElementsAreArray(row.lines));
    EXPECT_EQ(errorText(row.code), row.text);
}

TEST_P(MessageTable, TextNeitherStartsNorEndsWithALineBreak)
{
    const std::string text(errorText(GetParam().code));
    if (text.empty())
        return;
    EXPECT_NE(text.front(), '\r');
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '\r');
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    EveryCode, MessageTable,
    testing::Values(
        MessageRow{"Code0RegisterOneTo9999", 0,
                   {"Invalid Register Value", "Enter a value between 1 and 9999"},
                   "Invalid Register Value\r\nEnter a value between 1 and 9999"},
        MessageRow{"Code1SlaveOneTo99", 1,
                   {"Invalid Slave Address", "Enter a value between 1 and 99"},
                   "Invalid Slave Address\r\nEnter a value between 1 and 99"},
        MessageRow{"Code2SameTextAsCode0", 2,
                   {"Invalid Register Value", "Enter a value between 1 and 9999"},
                   "Invalid Register Value\r\nEnter a value between 1 and 9999"},
        MessageRow{"Code3SlaveOneTo9", 3,
                   {"Invalid Slave Address", "Enter a value between 1 and 9"},
                   "Invalid Slave Address\r\nEnter a value between 1 and 9"},
        MessageRow{"Code4SetsUpTo5255", 4,
                   {"Invalid Register Value",
                    "Enter a value between 1 and 255, 1000 and 1255, 2000 and",
                    "2255, etc., up to 5255"},
                   "Invalid Register Value\r\n"
                   "Enter a value between 1 and 255, 1000 and 1255, 2000 and\r\n"
                   "2255, etc., up to 5255"},
        MessageRow{"Code5SetsUpTo9255", 5,
                   {"Invalid Register Value",
                    "Enter a value between 1 and 255, 1000 and 1255, 2000 and",
                    "2255, etc., up to 9255"},
                   "Invalid Register Value\r\n"
                   "Enter a value between 1 and 255, 1000 and 1255, 2000 and\r\n"
                   "2255, etc., up to 9255"},
        MessageRow{"Code6SlaveOneTo3", 6,
                   {"Invalid Slave Address", "Enter a value between 1 and 3"},
                   "Invalid Slave Address\r\nEnter a value between 1 and 3"},
        MessageRow{"Code7SlaveZeroTo255", 7,
                   {"Invalid Slave Address", "Enter a value between 0 and 255"},
                   "Invalid Slave Address\r\nEnter a value between 0 and 255"},
        MessageRow{"Code8ReadToBroadcast", 8,
                   {"Invalid Command", "Only Write functions are supported with the Broadcast Address"},
                   "Invalid Command\r\nOnly Write functions are supported with the Broadcast Address"},
        MessageRow{"Code9SevenLinesFifthBlank", 9,
                   {"Invalid AB Datafile",
                    "Enter the datafile in one of the formats shown below",
                    "Examples of acceptable formats are:",
                    "N7:0 , N7:4/5 , B3/0",
                    "",
                    "Floating point Data Files can only be entered using the following format:",
                    "F8:0"},
                   "Invalid AB Datafile\r\n"
                   "Enter the datafile in one of the formats shown below\r\n"
                   "Examples of acceptable formats are:\r\n"
                   "N7:0 , N7:4/5 , B3/0\r\n"
                   "\r\n"
                   "Floating point Data Files can only be entered using the following format:\r\n"
                   "F8:0"},
        MessageRow{"Code10MovedCoilStart", 10,
                   {"Invalid Modbus Register/Coil",
                    "Due to the needed offset when mapping the desired AB bit to a Modbus Coil,",
                    "The value of the Modicon Start Register has been adjusted to a value that is out of Range"},
                   "Invalid Modbus Register/Coil\r\n"
                   "Due to the needed offset when mapping the desired AB bit to a Modbus Coil,\r\n"
                   "The value of the Modicon Start Register has been adjusted to a value that is out of Range"},
        MessageRow{"Code11RangeOutOfRange", 11,
                   {"Invalid Modbus Register/Coil", "A Modbus Register/Coil is out of Range"},
                   "Invalid Modbus Register/Coil\r\nA Modbus Register/Coil is out of Range"},
        MessageRow{"Code12ReservedFiles", 12,
                   {"Invalid AB Datafile", "Files less than 10 are reserved.",
                    "Use the appropriate file type for files less than 10."},
                   "Invalid AB Datafile\r\n"
                   "Files less than 10 are reserved.\r\n"
                   "Use the appropriate file type for files less than 10."},
        MessageRow{"Code13FileWordOrBitOutOfRange", 13,
                   {"Invalid AB Datafile", "The file, word, or bit is out of the allowable range."},
                   "Invalid AB Datafile\r\nThe file, word, or bit is out of the allowable range."},
        MessageRow{"MinusOneHasNoText", -1, {}, ""},
        MessageRow{"FourteenHasNoText", 14, {}, ""},
        MessageRow{"SmallestCodeHasNoText", -32768, {}, ""},
        MessageRow{"LargestCodeHasNoText", 32767, {}, ""}),
    Corvane::Testing::RowName{});
// clang-format on

TEST(ErrorBox, TitleIsTheSameFixedTextForEveryCode)
{
    EXPECT_EQ(Corvane::Errors::kErrorBoxTitle, "An Error has Occured!");
}

TEST(ErrorBox, Codes4And5DifferOnlyInTheirLastLine)
{
    const auto four = linesOf(4);
    const auto five = linesOf(5);
    ASSERT_EQ(four.size(), five.size());
    for (std::size_t i = 0; i + 1 < four.size(); ++i)
        EXPECT_EQ(four[i], five[i]) << "line " << i + 1;
    EXPECT_NE(four.back(), five.back());
    EXPECT_EQ(four[1].back(), 'd') << "line 2 ends with \"2000 and\" and no trailing blank";
}

TEST(ErrorBox, EveryLineIsFreeOfLineBreaksAndOuterBlanks)
{
    for (std::int16_t code = Corvane::Errors::kFirstErrorCode;
         code <= Corvane::Errors::kLastErrorCode; ++code) {
        for (std::string_view line : errorLines(code)) {
            EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << "code " << code;
            if (!line.empty()) {
                EXPECT_NE(line.front(), ' ') << "code " << code;
                EXPECT_NE(line.back(), ' ') << "code " << code;
            }
        }
    }
}

} // namespace
