// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "windowtest.h"

#include "errors/errormessages.h"

#include <QLabel>

namespace {

using MasterWindow = WindowTest;

TEST_F(MasterWindow, HoldingRegisterInNxyzComposesTheDataTableAddress)
{
    clickMark("XYZOpt");
    pick("ModCmdLst", QStringLiteral(" 03 - Read Holding Registers  (4X)"));
    type("RegTxt", QStringLiteral("1234"));
    type("SlaveAddrTxt", QStringLiteral("5"));
    press("TransMasterCmd");
    EXPECT_TRUE(m_codes.empty());
    EXPECT_EQ(text("DTATxt"), "N451:234");
}

TEST_F(MasterWindow, RefusalClearsThePreviousAnswer)
{
    type("RegTxt", QStringLiteral("9999"));
    type("SlaveAddrTxt", QStringLiteral("99"));
    press("TransMasterCmd");
    ASSERT_TRUE(m_codes.empty());
    ASSERT_FALSE(text("DTATxt").isEmpty());

    type("RegTxt", QStringLiteral("10000"));
    press("TransMasterCmd");
    ASSERT_EQ(m_codes.size(), 1u);
    EXPECT_EQ(m_codes.front(), 0);
    EXPECT_EQ(Corvane::Errors::errorText(m_codes.front()),
              "Invalid Register Value\r\nEnter a value between 1 and 9999");
    EXPECT_TRUE(text("DTATxt").isEmpty());
    // The fields keep what the user typed.
    EXPECT_EQ(text("RegTxt"), "10000");
}

TEST_F(MasterWindow, Plc3ReadToTheBroadcastAddressIsRefusedBeforeTheRegister)
{
    clickMark("PLC3Opt");
    type("SlaveAddrTxt", QStringLiteral("0"));
    press("TransMasterCmd");
    ASSERT_EQ(m_codes.size(), 1u);
    EXPECT_EQ(m_codes.front(), 8);
    EXPECT_EQ(Corvane::Errors::errorText(8),
              "Invalid Command\r\nOnly Write functions are supported with the Broadcast Address");
    EXPECT_TRUE(text("DTATxt").isEmpty());
}

TEST_F(MasterWindow, Plc3WriteToTheBroadcastAddressIsAccepted)
{
    clickMark("PLC3Opt");
    pick("MesTypeLst", QStringLiteral(" Write"));
    type("RegTxt", QStringLiteral("1"));
    type("SlaveAddrTxt", QStringLiteral("0"));
    press("TransMasterCmd");
    EXPECT_TRUE(m_codes.empty());
    EXPECT_FALSE(text("DTATxt").isEmpty());
}

TEST_F(MasterWindow, NyxzSlaveThreeAllowsRegistersUpTo5255)
{
    clickMark("YXZOpt");
    type("SlaveAddrTxt", QStringLiteral("3"));
    type("RegTxt", QStringLiteral("5256"));
    press("TransMasterCmd");
    EXPECT_EQ(m_codes, (std::vector<std::int16_t>{4}));
    type("RegTxt", QStringLiteral("5255"));
    press("TransMasterCmd");
    EXPECT_EQ(m_codes.size(), 1u);
    EXPECT_FALSE(text("DTATxt").isEmpty());
}

TEST_F(MasterWindow, TypedDiagnosticsTranslatesLikeAnyCommand)
{
    type("ModCmdLst", QStringLiteral(" 08 - Diagnostics"));
    pick("MesTypeLst", QStringLiteral(" Read"));
    type("RegTxt", QStringLiteral("100"));
    type("SlaveAddrTxt", QStringLiteral("5"));
    press("TransMasterCmd");
    EXPECT_TRUE(m_codes.empty());
    EXPECT_FALSE(text("DTATxt").isEmpty());
}
} // namespace
