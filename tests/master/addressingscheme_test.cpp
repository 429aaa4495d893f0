// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "core/wording.h"
#include "master/addressingscheme.h"
#include "master/commands.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <string>
#include <vector>

namespace {

using namespace Corvane::Master;

TEST(SchemeNames, AreReadExactlyAsTheUserWritesThem)
{
    EXPECT_EQ(formatNamed("NXYY:Z"), AddressFormat::XYY);
    EXPECT_EQ(formatNamed("NXYZ:Z"), AddressFormat::XYZ);
    EXPECT_EQ(formatNamed("NYXZ:Z"), AddressFormat::YXZ);
    EXPECT_FALSE(formatNamed("nxyz:z"));
    EXPECT_FALSE(formatNamed("PLC-3")); // a scheme, but not a PLC-5 format
    EXPECT_FALSE(formatNamed(" NXYY:Z"));
    EXPECT_EQ(plcTypeNamed("5"), PlcType::Plc5);
    EXPECT_EQ(plcTypeNamed("3"), PlcType::Plc3);
    EXPECT_FALSE(plcTypeNamed("PLC-3"));
    EXPECT_FALSE(plcTypeNamed("05"));
    EXPECT_EQ(formatNameList(), "NXYY:Z, NXYZ:Z or NYXZ:Z");
    EXPECT_EQ(plcNumberList(), "5 or 3");
}

TEST(PlcTypes, AreNamedByNumberAndByTheirWindowName)
{
    const auto rows = plcTypeRows();
    ASSERT_EQ(rows.size(), 2u);
    for (const PlcTypeRow &row : rows)
        EXPECT_EQ(&plcTypeRow(row.plc), &row) << row.name;
    EXPECT_EQ(plcTypeRow(PlcType::Plc5).number, "5");
    EXPECT_EQ(plcTypeRow(PlcType::Plc5).name, "PLC-5");
    EXPECT_EQ(plcTypeRow(PlcType::Plc3).number, "3");
    EXPECT_EQ(plcTypeRow(PlcType::Plc3).name, "PLC-3");
}

TEST(SchemeRows, Plc3IsOneSchemeWhateverTheHiddenFormat)
{
    for (AddressFormat format : {AddressFormat::XYY, AddressFormat::XYZ, AddressFormat::YXZ})
        EXPECT_EQ(schemeName({PlcType::Plc3, format}), "PLC-3");
    EXPECT_EQ(schemeName({PlcType::Plc5, AddressFormat::YXZ}), "NYXZ:Z");
    ASSERT_EQ(addressingSchemes().size(), schemeRows().size());
    for (std::size_t i = 0; i < schemeRows().size(); ++i)
        EXPECT_EQ(addressingSchemes()[i], schemeRows()[i].scheme);
}

// "(1-99)": a range as a hint writes it. Formatted rather than concatenated,
// since GCC 12 at -O3 takes `"(" + std::to_string(...)` for an overlapping
// copy (-Wrestrict) that cannot happen.
std::string hintOf(const CheckedRange &range)
{
    char text[32];
    std::snprintf(text, sizeof text, "(%d-%d)", range.low, range.high);
    return text;
}

TEST(SchemeRows, TheHintsAnnounceTheRangesTheChecksApply)
{
    // "(1-99)" beside the slave address must be the range the check accepts.
    for (const SchemeRow &row : schemeRows()) {
        const auto slaves = checkedRange(row, Checked::Slave);
        ASSERT_TRUE(slaves) << row.name;
        EXPECT_EQ(row.slaveHintWrite, hintOf(*slaves)) << row.name;
        if (const auto registers = checkedRange(row, Checked::Register)) {
            EXPECT_EQ(row.registerHint, hintOf(*registers)) << row.name;
        }
    }
}

TEST(CommandNumbers, WriteARunOfThreeOrMoreAsARange)
{
    EXPECT_EQ(commandNumberGroups(" to "),
              (std::vector<std::string>{"01 to 06", "08", "15", "16"}));
    EXPECT_EQ(Corvane::Text::joinedList(commandNumberGroups(" to "), "or"),
              "01 to 06, 08, 15 or 16");
}

} // namespace
