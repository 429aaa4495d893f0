// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// Behaviour the other core tests leave out: text that is not ASCII where the
// parser expects a type letter, oversized and lower-case addresses given to the
// reverse lookup, the names of the addressing schemes, and whole control
// rectangles converted to pixels.
#include "app/rules/controltable.h"
#include "errors/errormessages.h"
#include "master/decode.h"
#include "slave/datafileaddress.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace Corvane;
using Errors::ErrorState;
using Subs::PixelRect;
using Subs::toPixels;
using Subs::TwipsRect;

struct FirstCharacterRow {
    const char *name;
    std::string_view text;
};

class NotATypeLetter : public testing::TestWithParam<FirstCharacterRow> {};

// However many bytes the first character takes, and even when the text ends
// inside it, it is no type letter: nothing is read and file 0 stays reserved.
TEST_P(NotATypeLetter, LeavesFileZeroAndReportsReservedFile)
{
    ErrorState error;
    const Slave::DataFileAddress address = Slave::ParseDataFile(GetParam().text, 10, error);

    EXPECT_EQ(address.file, 0);
    EXPECT_EQ(address.word, 0);
    EXPECT_EQ(address.bit, 0);
    EXPECT_EQ(address.count, 10);
    ASSERT_TRUE(error.flag);
    EXPECT_EQ(error.code, 12);
    EXPECT_EQ(Errors::errorText(error.code),
              "Invalid AB Datafile\r\nFiles less than 10 are reserved.\r\n"
              "Use the appropriate file type for files less than 10.");
}

INSTANTIATE_TEST_SUITE_P(FirstCharacter, NotATypeLetter,
                         testing::Values(FirstCharacterRow{"TwoByteLetter", "\xC3\x89"
                                                                            "7:0"}, // É7:0
                                         FirstCharacterRow{"ThreeByteSign", "\xE2\x82\xAC"
                                                                            "7:0"}, // €7:0
                                         FirstCharacterRow{"FourByteSymbol", "\xF0\x9F\x93\x88"
                                                                             "7:0"},
                                         FirstCharacterRow{"FourByteLeadAlone", "\xF0"},
                                         FirstCharacterRow{"ThreeByteLeadCutShort", "\xE2\x82"},
                                         FirstCharacterRow{"FourByteLeadCutShort", "\xF0\x9F\x93"},
                                         FirstCharacterRow{"PastLowerZ", "{7:0"}),
                         [](const testing::TestParamInfo<FirstCharacterRow> &info) {
                             return info.param.name;
                         });

struct UndecodableRow {
    const char *name;
    std::string_view address;
    Master::AddressingScheme scheme;
    std::string_view why;
};

class UndecodableAddress : public testing::TestWithParam<UndecodableRow> {};

TEST_P(UndecodableAddress, NamesTheFirstBrokenRule)
{
    const UndecodableRow &row = GetParam();
    const Master::Decoding decoding = Master::DecodeAddress(row.address, row.scheme);
    EXPECT_TRUE(decoding.requests.empty());
    EXPECT_EQ(decoding.whyNone, row.why);
}

constexpr Master::AddressingScheme kXYY{Master::PlcType::Plc5, Master::AddressFormat::XYY};
constexpr Master::AddressingScheme kXYZ{Master::PlcType::Plc5, Master::AddressFormat::XYZ};
constexpr Master::AddressingScheme kYXZ{Master::PlcType::Plc5, Master::AddressFormat::YXZ};
constexpr Master::AddressingScheme kPLC3{Master::PlcType::Plc3, Master::AddressFormat::XYY};

constexpr std::string_view kXyzWord =
    "the word must be the register itself (1 to 999, no leading zeros) when the file number "
    "ends in 0, otherwise the register's last three digits (000 to 999)";

INSTANTIATE_TEST_SUITE_P(
    Oversized, UndecodableAddress,
    testing::Values(
        // Five digits are read as no number at all rather than overflowing.
        UndecodableRow{"XyzFiveDigitWord", "N451:23456", kXYZ, kXyzWord},
        UndecodableRow{"XyzFiveDigitWordAfterZero", "N450:23456", kXYZ, kXyzWord},
        UndecodableRow{"YxzFiveDigitWord", "N141:20000", kYXZ,
                       "the word must be the register's last three digits, 0 to 255 (register "
                       "sets 1-255, 1000-1255, 2000-2255, ...), written without leading zeros "
                       "when the file number ends in 0"},
        UndecodableRow{"XyySixDigitWord", "N405:100000", kXYY,
                       "the word must be a start register or coil from 1 to 9999, without "
                       "leading zeros"},
        UndecodableRow{"Plc3FiveDigitFile", "B12345:5", kPLC3,
                       "the file number must be a slave address from 0 to 255, without "
                       "leading zeros"},
        UndecodableRow{"Plc3FiveDigitWord", "B3:12345", kPLC3,
                       "the word must be a start register or coil from 1 to 9999, without "
                       "leading zeros"}),
    [](const testing::TestParamInfo<UndecodableRow> &info) { return info.param.name; });

// The compositions only ever write upper-case letters, so a lower-case letter
// names no composed address.
INSTANTIATE_TEST_SUITE_P(
    LowerCase, UndecodableAddress,
    testing::Values(UndecodableRow{"Plc5", "n451:234", kXYZ,
                                   "PLC-5 messages always target an integer file: the letter "
                                   "must be N"},
                    UndecodableRow{"Plc3", "b3:5", kPLC3,
                                   "the file type letter must be the letter of a command: B "
                                   "(01, 15), F (02, 05), N (03, 16), S (04, 06) or D (08)"}),
    [](const testing::TestParamInfo<UndecodableRow> &info) { return info.param.name; });

TEST(AddressingSchemes, AreListedInTheWindowsOrderWithTheirNames)
{
    std::vector<std::string_view> names;
    for (const Master::AddressingScheme &scheme : Master::addressingSchemes())
        names.push_back(Master::schemeName(scheme));
    EXPECT_EQ(names, (std::vector<std::string_view>{"NXYY:Z", "NXYZ:Z", "NYXZ:Z", "PLC-3"}));
}

TEST(AddressingSchemes, Plc3IgnoresTheFormat)
{
    EXPECT_EQ(Master::schemeName({Master::PlcType::Plc3, Master::AddressFormat::YXZ}), "PLC-3");
}

struct PixelRow {
    const char *name;
    TwipsRect twips;
    PixelRect pixels;
};

class ControlRectangle : public testing::TestWithParam<PixelRow> {};

// Every edge is rounded on its own, to the nearest pixel at 15 twips a pixel.
TEST_P(ControlRectangle, ConvertsEveryEdge)
{
    EXPECT_EQ(toPixels(GetParam().twips), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Twips, ControlRectangle,
    testing::Values(PixelRow{"LeftOfTheFrame", {-120, 1800, 9615, 7695}, {-8, 120, 641, 513}},
                    PixelRow{"RoundsUpAndDown", {1375, 1367, 7, 8}, {92, 91, 0, 1}},
                    PixelRow{"WholeClientArea", {0, 0, 9255, 9450}, {0, 0, 617, 630}}),
    [](const testing::TestParamInfo<PixelRow> &info) { return info.param.name; });

} // namespace
