// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// Oversized and lower-case addresses given to the reverse lookup, and the
// names of the addressing schemes.
#include "master/decode.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

using namespace Corvane;

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
    Corvane::Testing::RowName{});

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
    Corvane::Testing::RowName{});

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

} // namespace
