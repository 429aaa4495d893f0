// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "master/commands.h"
#include "master/messagetype.h"
#include "master/subfunctions.h"
#include "subs/prompts.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace {

using Corvane::Master::AddressFormat;
using Corvane::Master::PlcType;
using namespace Corvane::Subs;
using namespace Corvane::Master;

// --- Register caption -------------------------------------------------------

struct CaptionCase {
    const char *name;
    std::string_view command;
    std::optional<std::string_view> caption;
};

class RegisterCaption : public testing::TestWithParam<CaptionCase> {};

TEST_P(RegisterCaption, FollowsTheCommandText)
{
    EXPECT_EQ(registerCaption(GetParam().command), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, RegisterCaption,
    testing::Values(
        CaptionCase{"ReadCoils", " 01 - Read Coil Status  (0X)", "Start Coil"},
        CaptionCase{"ReadInputs", " 02 - Read Input Status  (1X)", "Start Coil"},
        CaptionCase{"ReadHolding", " 03 - Read Holding Registers  (4X)", "Start Register"},
        CaptionCase{"ReadInputRegisters", " 04 - Read Input Registers  (3X)", "Start Register"},
        CaptionCase{"ForceCoil", " 05 - Force Single Coil  (0X)", "Start Coil"},
        CaptionCase{"PresetRegister", " 06 - Pre-set Single Register  (4X)", "Start Register"},
        CaptionCase{"Diagnostics", " 08 - Diagnostics", "Start Register"},
        CaptionCase{"ForceCoils", " 15 - Force Multiple Coils  (0X)", "Start Coil"},
        CaptionCase{"PresetRegisters", " 16 - Pre-set Multiple Registers  (4X)", "Start Register"},
        CaptionCase{"DiagnosticsWithoutLeadingSpaceKeepsCaption", "08 - Diagnostics", std::nullopt},
        CaptionCase{"SingleSpaceBeforeClassKeepsCaption", " 01 - Read Coil Status (0X)",
                    std::nullopt},
        CaptionCase{"EmptyTextKeepsCaption", "", std::nullopt},
        CaptionCase{"CaseCounts", " 01 - read coil status  (0x)", std::nullopt}),
    Corvane::Testing::RowName{});

// --- Range hints -------------------------------------------------------------

struct HintCase {
    const char *name;
    PlcType plc;
    AddressFormat format;
    std::string_view messageType;
    std::optional<std::string_view> registerHint;
    std::optional<std::string_view> slaveHint;
};

class RangeHintRules : public testing::TestWithParam<HintCase> {};

TEST_P(RangeHintRules, ChooseBothHints)
{
    const HintCase &row = GetParam();
    const RangeHints hints = rangeHints(row.plc, row.format, row.messageType);
    EXPECT_EQ(hints.registerHint, row.registerHint);
    EXPECT_EQ(hints.slaveHint, row.slaveHint);
}

constexpr std::string_view kBanded = "(1-255, 1000-1255, 2000-2255, 3000-3255, etc.)";

INSTANTIATE_TEST_SUITE_P(
    Selections, RangeHintRules,
    testing::Values(
        HintCase{"Plc5XyyRead", PlcType::Plc5, AddressFormat::XYY, " Read", "(1-9999)", "(1-99)"},
        HintCase{"Plc5XyyIgnoresMessageType", PlcType::Plc5, AddressFormat::XYY, "typed",
                 "(1-9999)", "(1-99)"},
        HintCase{"Plc5XyzWrite", PlcType::Plc5, AddressFormat::XYZ, " Write", "(1-9999)", "(1-9)"},
        HintCase{"Plc5XyzRead", PlcType::Plc5, AddressFormat::XYZ, " Read", "(1-9999)", "(1-9)"},
        HintCase{"Plc5YxzRead", PlcType::Plc5, AddressFormat::YXZ, " Read", kBanded, "(1-3)"},
        HintCase{"Plc5YxzOtherText", PlcType::Plc5, AddressFormat::YXZ, "", kBanded, "(1-3)"},
        HintCase{"Plc3ReadExcludesBroadcast", PlcType::Plc3, AddressFormat::YXZ, " Read",
                 "(1-9999)", "(1-255)"},
        HintCase{"Plc3WriteAllowsBroadcast", PlcType::Plc3, AddressFormat::XYY, " Write",
                 "(1-9999)", "(0-255)"},
        HintCase{"Plc3IgnoresFormat", PlcType::Plc3, AddressFormat::XYZ, " Write", "(1-9999)",
                 "(0-255)"},
        HintCase{"Plc3TypedMessageKeepsSlaveHint", PlcType::Plc3, AddressFormat::XYY, "Read",
                 "(1-9999)", std::nullopt}),
    Corvane::Testing::RowName{});

// --- Command list after a message type pick ------------------------------------

struct ListCase {
    const char *name;
    std::string_view messageType;
    std::string_view command;
    bool recognised;
    std::string_view firstEntry;
    std::string_view text;
    bool showSubfunction;
};

class CommandListAfterPick : public testing::TestWithParam<ListCase> {};

TEST_P(CommandListAfterPick, RebuildsTheCommandBox)
{
    const ListCase &row = GetParam();
    const auto change = commandListChange(row.messageType, row.command);
    ASSERT_EQ(change.has_value(), row.recognised);
    if (!change)
        return;
    ASSERT_EQ(change->entries.size(), 4u);
    EXPECT_EQ(change->entries.front(), row.firstEntry);
    EXPECT_EQ(change->text, row.text);
    EXPECT_EQ(change->showSubfunction, row.showSubfunction);
}

INSTANTIATE_TEST_SUITE_P(
    Picks, CommandListAfterPick,
    testing::Values(
        ListCase{"ReadResetsToFirstRead", " Read", " 03 - Read Holding Registers  (4X)", true,
                 " 01 - Read Coil Status  (0X)", " 01 - Read Coil Status  (0X)", false},
        ListCase{"WriteResetsToFirstWrite", " Write", " 03 - Read Holding Registers  (4X)", true,
                 " 05 - Force Single Coil  (0X)", " 05 - Force Single Coil  (0X)", false},
        ListCase{"ReadKeepsTypedDiagnostics", " Read", " 08 - Diagnostics", true,
                 " 01 - Read Coil Status  (0X)", " 08 - Diagnostics", true},
        ListCase{"WriteKeepsTypedDiagnostics", " Write", " 08 - Diagnostics", true,
                 " 05 - Force Single Coil  (0X)", " 08 - Diagnostics", true},
        ListCase{"DiagnosticsWithoutSpaceIsReplaced", " Write", "08 - Diagnostics", true,
                 " 05 - Force Single Coil  (0X)", " 05 - Force Single Coil  (0X)", false},
        ListCase{"TypedMessageTypeChangesNothing", "Write", " 08 - Diagnostics", false, "", "",
                 false}),
    Corvane::Testing::RowName{});

// --- The lists themselves --------------------------------------------------------

TEST(ListTexts, EveryEntryBeginsWithASpaceAndTheCodesRise)
{
    for (const MessageType type : {MessageType::Read, MessageType::Write}) {
        for (const auto entries : {commandTexts(type), subfunctionTexts(type)}) {
            ASSERT_FALSE(entries.empty());
            for (std::size_t i = 0; i < entries.size(); ++i) {
                EXPECT_EQ(entries[i].substr(0, 1), " ") << entries[i];
                EXPECT_EQ(entries[i].substr(3, 3), " - ") << entries[i];
                if (i > 0) {
                    EXPECT_LT(entries[i - 1].substr(1, 2), entries[i].substr(1, 2));
                }
            }
        }
    }
}

TEST(ListTexts, ListsHoldTheirEntriesAndDefaults)
{
    EXPECT_EQ(commandTexts(MessageType::Read).size(), 4u);
    EXPECT_EQ(commandTexts(MessageType::Write).size(), 4u);
    EXPECT_EQ(subfunctionTexts(MessageType::Read).size(), 11u);
    EXPECT_EQ(subfunctionTexts(MessageType::Write).size(), 5u);
    EXPECT_TRUE(commandTexts(MessageType::Other).empty());
    EXPECT_TRUE(subfunctionTexts(MessageType::Other).empty());
    EXPECT_TRUE(defaultCommand(MessageType::Other).empty());
    EXPECT_TRUE(defaultSubfunction(MessageType::Other).empty());
    EXPECT_EQ(defaultCommand(MessageType::Write), " 05 - Force Single Coil  (0X)");
    EXPECT_EQ(defaultSubfunction(MessageType::Read), " 00 - Return Data Query");
    EXPECT_EQ(defaultSubfunction(MessageType::Write), " 01 - Restart Communications");
    EXPECT_EQ(subfunctionTexts(MessageType::Write).back(), " 20 - Clear Overrn Counter and Flag");
    EXPECT_EQ(commandTexts(MessageType::Read)[3], " 04 - Read Input Registers  (3X)");
    const auto types = messageTypeTexts();
    ASSERT_EQ(types.size(), 2u);
    EXPECT_EQ(types[0], " Read");
    EXPECT_EQ(types[1], " Write");
}

TEST(ListTexts, DiagnosticsIsRecognisedButInNoList)
{
    EXPECT_FALSE(isStandardCommand(kDiagnosticsCommand));
    for (const MessageType type : {MessageType::Read, MessageType::Write}) {
        const auto entries = commandTexts(type);
        EXPECT_EQ(std::ranges::find(entries, kDiagnosticsCommand), entries.end());
        for (std::string_view entry : entries) {
            EXPECT_TRUE(isStandardCommand(entry)) << entry;
            // Every standard command has a register caption of its own.
            EXPECT_TRUE(registerCaption(entry).has_value()) << entry;
        }
    }
    EXPECT_FALSE(isStandardCommand(""));
}

TEST(MessageTypes, OnlyTheExactTextsAreRecognised)
{
    EXPECT_EQ(messageTypeOf(" Read"), MessageType::Read);
    EXPECT_EQ(messageTypeOf(" Write"), MessageType::Write);
    EXPECT_EQ(messageTypeOf("Read"), MessageType::Other);
    EXPECT_EQ(messageTypeOf(" read"), MessageType::Other);
    EXPECT_EQ(messageTypeOf(" Write "), MessageType::Other);
}

} // namespace
