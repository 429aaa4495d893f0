// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "windowtest.h"

#include <QComboBox>

namespace {

class Prompts : public WindowTest {
protected:
    QStringList entries(const char *name) const
    {
        QStringList all;
        for (int i = 0; i < list(name)->count(); ++i)
            all << list(name)->itemText(i);
        return all;
    }

    void expectSubfunctionShown(bool visible)
    {
        EXPECT_EQ(shown("DiagSubLbl"), visible);
        EXPECT_EQ(shown("DiagSubLst"), visible);
    }
};

const QStringList kWriteCommands{
    " 05 - Force Single Coil  (0X)", " 06 - Pre-set Single Register  (4X)",
    " 15 - Force Multiple Coils  (0X)", " 16 - Pre-set Multiple Registers  (4X)"};

const QStringList kWriteSubfunctions{
    " 01 - Restart Communications", " 03 - Change ASCII Input Delimiter", " 04 - Force Listen Mode",
    " 10 - Clear Counters and Diagnostic Registers", " 20 - Clear Overrn Counter and Flag"};

TEST_F(Prompts, PickingWriteRebuildsBothLists)
{
    pick("MesTypeLst", QStringLiteral(" Write"));
    EXPECT_EQ(entries("ModCmdLst"), kWriteCommands);
    EXPECT_EQ(text("ModCmdLst"), " 05 - Force Single Coil  (0X)");
    EXPECT_EQ(text("RegLbl"), "Start Coil");
    expectSubfunctionShown(false);
    EXPECT_EQ(entries("DiagSubLst"), kWriteSubfunctions);
    EXPECT_EQ(text("DiagSubLst"), " 01 - Restart Communications");
    EXPECT_EQ(text("RegValLbl"), "(1-9999)");
    EXPECT_EQ(text("SlaveValLbl"), "(1-99)");
}

TEST_F(Prompts, MessageTypeChangeResetsTheCommandToItsDefault)
{
    pick("ModCmdLst", QStringLiteral(" 03 - Read Holding Registers  (4X)"));
    EXPECT_EQ(text("RegLbl"), "Start Register");
    pick("MesTypeLst", QStringLiteral(" Write"));
    EXPECT_EQ(text("ModCmdLst"), " 05 - Force Single Coil  (0X)");
    EXPECT_EQ(text("RegLbl"), "Start Coil");

    pick("ModCmdLst", QStringLiteral(" 16 - Pre-set Multiple Registers  (4X)"));
    pick("MesTypeLst", QStringLiteral(" Read"));
    EXPECT_EQ(text("ModCmdLst"), " 01 - Read Coil Status  (0X)");
    EXPECT_EQ(text("RegLbl"), "Start Coil");
    EXPECT_EQ(list("DiagSubLst")->count(), 11);
    EXPECT_EQ(text("DiagSubLst"), " 00 - Return Data Query");
}

TEST_F(Prompts, TypedDiagnosticsShowsTheSubfunctionsOnTheNextMessagePick)
{
    type("ModCmdLst", QStringLiteral(" 08 - Diagnostics"));
    expectSubfunctionShown(false);
    EXPECT_EQ(text("RegLbl"), " Start Coil");

    pick("MesTypeLst", QStringLiteral(" Write"));
    expectSubfunctionShown(true);
    EXPECT_EQ(text("ModCmdLst"), " 08 - Diagnostics");
    EXPECT_EQ(entries("ModCmdLst"), kWriteCommands);
    EXPECT_EQ(entries("DiagSubLst"), kWriteSubfunctions);
    EXPECT_EQ(text("DiagSubLst"), " 01 - Restart Communications");
    EXPECT_EQ(text("RegLbl"), "Start Register");

    pick("MesTypeLst", QStringLiteral(" Read"));
    expectSubfunctionShown(true);
    EXPECT_EQ(text("ModCmdLst"), " 08 - Diagnostics");
    EXPECT_EQ(text("DiagSubLst"), " 00 - Return Data Query");
}

TEST_F(Prompts, PickingAStandardCommandHidesTheSubfunctions)
{
    type("ModCmdLst", QStringLiteral(" 08 - Diagnostics"));
    pick("MesTypeLst", QStringLiteral(" Write"));
    ASSERT_TRUE(shown("DiagSubLst"));
    pick("ModCmdLst", QStringLiteral(" 06 - Pre-set Single Register  (4X)"));
    expectSubfunctionShown(false);
    EXPECT_EQ(text("RegLbl"), "Start Register");
    pick("ModCmdLst", QStringLiteral(" 15 - Force Multiple Coils  (0X)"));
    expectSubfunctionShown(false);
    EXPECT_EQ(text("RegLbl"), "Start Coil");
}

TEST_F(Prompts, DiagnosticsWithoutItsLeadingSpaceIsJustText)
{
    pick("ModCmdLst", QStringLiteral(" 04 - Read Input Registers  (3X)"));
    type("ModCmdLst", QStringLiteral("08 - Diagnostics"));
    clickMark("XYZOpt"); // a refresh: the caption stays
    EXPECT_EQ(text("RegLbl"), "Start Register");
    pick("MesTypeLst", QStringLiteral(" Read"));
    expectSubfunctionShown(false);
    EXPECT_EQ(text("ModCmdLst"), " 01 - Read Coil Status  (0X)");
    EXPECT_EQ(text("RegLbl"), "Start Coil");
}

TEST_F(Prompts, FormatDecidesThePlc5Hints)
{
    clickMark("YXZOpt");
    EXPECT_EQ(text("RegValLbl"), "(1-255, 1000-1255, 2000-2255, 3000-3255, etc.)");
    EXPECT_EQ(text("SlaveValLbl"), "(1-3)");
    pick("MesTypeLst", QStringLiteral(" Write"));
    clickMark("XYZOpt");
    EXPECT_EQ(text("RegValLbl"), "(1-9999)");
    EXPECT_EQ(text("SlaveValLbl"), "(1-9)");
    clickMark("XYYOpt");
    EXPECT_EQ(text("SlaveValLbl"), "(1-99)");
}

TEST_F(Prompts, Plc3HintsFollowTheMessageType)
{
    pick("MesTypeLst", QStringLiteral(" Write"));
    clickMark("PLC3Opt");
    EXPECT_EQ(text("RegValLbl"), "(1-9999)");
    EXPECT_EQ(text("SlaveValLbl"), "(0-255)");
    pick("MesTypeLst", QStringLiteral(" Read"));
    EXPECT_EQ(text("SlaveValLbl"), "(1-255)");
}

TEST_F(Prompts, BackToPlc5BringsBackTheNyxzHints)
{
    clickMark("YXZOpt");
    clickMark("PLC3Opt");
    EXPECT_EQ(text("RegValLbl"), "(1-9999)");
    clickMark("PLC5Opt");
    EXPECT_EQ(text("RegValLbl"), "(1-255, 1000-1255, 2000-2255, 3000-3255, etc.)");
    EXPECT_EQ(text("SlaveValLbl"), "(1-3)");
}

TEST_F(Prompts, Plc3RefreshWithATypedMessageTypeKeepsTheSlaveHint)
{
    clickMark("YXZOpt"); // hints "(1-255, 1000-1255, ...)" and "(1-3)"
    type("MesTypeLst", QStringLiteral("Write"));
    clickMark("PLC3Opt");
    EXPECT_EQ(text("RegValLbl"), "(1-9999)");
    EXPECT_EQ(text("SlaveValLbl"), "(1-3)");
    // The typed message type changes neither list.
    EXPECT_EQ(list("ModCmdLst")->count(), 4);
    EXPECT_EQ(text("ModCmdLst"), " 01 - Read Coil Status  (0X)");
}

TEST_F(Prompts, TypingChangesOnlyTheBoxsOwnText)
{
    type("MesTypeLst", QStringLiteral(" Write"));
    EXPECT_EQ(text("ModCmdLst"), " 01 - Read Coil Status  (0X)");
    EXPECT_EQ(list("ModCmdLst")->count(), 4);
    EXPECT_EQ(list("DiagSubLst")->count(), 0);
    EXPECT_EQ(text("RegLbl"), " Start Coil");
}

TEST_F(Prompts, RepickingTheShownMessageTypeResetsTheCommand)
{
    pick("ModCmdLst", QStringLiteral(" 02 - Read Input Status  (1X)"));
    pick("MesTypeLst", QStringLiteral(" Read"));
    EXPECT_EQ(text("ModCmdLst"), " 01 - Read Coil Status  (0X)");
    EXPECT_EQ(text("DiagSubLst"), " 00 - Return Data Query");
}

} // namespace
