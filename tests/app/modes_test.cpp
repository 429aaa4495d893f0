// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "windowtest.h"

#include "subs/controltable.h"
#include "subs/layouts.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <string>

using namespace Corvane::Subs;

namespace {

class Modes : public WindowTest {
protected:
    bool selected(const char *name) const
    {
        return qobject_cast<QRadioButton *>(control(name))->isChecked();
    }

    // Every row of the master layout stands at its value for the PLC type.
    void expectMasterLayout(WindowState state)
    {
        for (const MasterLayoutRow &row : masterLayoutRows()) {
            const int twips = state == WindowState::MasterPlc5 ? row.plc5 : row.plc3;
            const int pixels = twipsToPixels(twips);
            const std::string name(row.control ? controlSpec(*row.control).name : "");
            switch (row.property) {
            case LayoutProperty::Top:
                EXPECT_EQ(control(name.c_str())->y(), pixels) << name;
                break;
            case LayoutProperty::Height:
                EXPECT_EQ(control(name.c_str())->height(), pixels) << name;
                break;
            case LayoutProperty::WindowHeight:
                EXPECT_EQ(clientHeightInPixels(), twipsToPixels(clientHeightOf(twips)));
                break;
            }
        }
    }

    void expectFormatControlsShown(bool visible)
    {
        for (Control control : formatControls()) {
            const std::string name(controlSpec(control).name);
            EXPECT_EQ(shown(name.c_str()), visible) << name;
        }
    }

    void giveAnswers()
    {
        type("RegTxt", QStringLiteral("100"));
        type("SlaveAddrTxt", QStringLiteral("5"));
        press("TransMasterCmd");
        clickMark("SlaveOpt");
        type("DataFileTxt", QStringLiteral("N7:4/5"));
        type("StartRegTxt", QStringLiteral("6"));
        type("NumRegTxt", QStringLiteral("10"));
        press("TransSlaveCmd");
        clickMark("MasterOpt");
    }

    void expectAnswersKept()
    {
        EXPECT_EQ(text("DTATxt"), "B5:100");
        EXPECT_EQ(text("ModStartTxt"), "1");
        EXPECT_EQ(text("ModEndTxt"), "15");
        EXPECT_EQ(text("FileTxt"), "7");
        EXPECT_EQ(text("WordTxt"), "4");
    }
};

TEST_F(Modes, Plc3HidesTheFormatAndMovesEveryRowUp)
{
    clickMark("PLC3Opt");
    EXPECT_TRUE(selected("PLC3Opt"));
    expectFormatControlsShown(false);
    expectMasterLayout(WindowState::MasterPlc3);
    EXPECT_EQ(topInTwips("AddrCmdLbl"), 240);
    EXPECT_EQ(topInTwips("MasterTransFrm"), 3720);
    EXPECT_EQ(clientHeightInPixels(), 558);
    EXPECT_EQ(text("RegValLbl"), "(1-9999)");
    EXPECT_EQ(text("SlaveValLbl"), "(1-255)");
}

TEST_F(Modes, SlaveAndBackKeepsThePlc3Layout)
{
    clickMark("PLC3Opt");
    clickMark("SlaveOpt");
    EXPECT_FALSE(shown("MasterFrm"));
    EXPECT_TRUE(shown("SlaveFrm"));
    EXPECT_EQ(control("Frame1")->height(), twipsToPixels(6255));
    EXPECT_EQ(clientHeightInPixels(), 526);

    clickMark("MasterOpt");
    EXPECT_TRUE(shown("MasterFrm"));
    EXPECT_FALSE(shown("SlaveFrm"));
    EXPECT_TRUE(selected("PLC3Opt"));
    expectFormatControlsShown(false);
    expectMasterLayout(WindowState::MasterPlc3);
    EXPECT_EQ(clientHeightInPixels(), 558);
}

TEST_F(Modes, Plc5BringsBackTheFormatThatWasSelected)
{
    clickMark("XYZOpt");
    clickMark("PLC3Opt");
    clickMark("PLC5Opt");
    expectFormatControlsShown(true);
    EXPECT_TRUE(selected("XYZOpt"));
    EXPECT_FALSE(selected("XYYOpt"));
    expectMasterLayout(WindowState::MasterPlc5);
    EXPECT_EQ(clientHeightInPixels(), 630);
    EXPECT_EQ(text("SlaveValLbl"), "(1-9)");
}

TEST_F(Modes, Plc3ThenPlc5GivesBackTheStartUpWindowButTwoControls)
{
    clickMark("PLC3Opt");
    clickMark("PLC5Opt");
    for (const ControlSpec &item : mainWindowControls()) {
        const std::string name(item.name);
        const PixelRect expected = toPixels(item.rect);
        const int top = name == "AddrCmdLbl" ? twipsToPixels(1320) : expected.y;
        EXPECT_EQ(control(name.c_str())->geometry(),
                  QRect(expected.x, top, expected.width, expected.height))
            << name;
        EXPECT_EQ(!control(name.c_str())->isHidden(), item.visible) << name;
    }
    EXPECT_EQ(text("RegLbl"), "Start Coil");
    EXPECT_EQ(clientHeightInPixels(), 630);
}

TEST_F(Modes, ShownSubfunctionMovesWithItsRow)
{
    type("ModCmdLst", QStringLiteral(" 08 - Diagnostics"));
    pick("MesTypeLst", QStringLiteral(" Read"));
    ASSERT_TRUE(shown("DiagSubLst"));
    clickMark("PLC3Opt");
    EXPECT_TRUE(shown("DiagSubLbl"));
    EXPECT_TRUE(shown("DiagSubLst"));
    EXPECT_EQ(topInTwips("DiagSubLst"), 1920);
    clickMark("PLC5Opt");
    EXPECT_TRUE(shown("DiagSubLst"));
    EXPECT_EQ(topInTwips("DiagSubLbl"), 3000);
}

TEST_F(Modes, HiddenSubfunctionMovesToo)
{
    clickMark("PLC3Opt");
    EXPECT_FALSE(shown("DiagSubLst"));
    EXPECT_EQ(topInTwips("DiagSubLst"), 1920);
}

TEST_F(Modes, AnswersSurviveModeAndPlcTypeChanges)
{
    clickMark("PLC3Opt");
    giveAnswers();
    expectAnswersKept();
    clickMark("PLC5Opt");
    clickMark("SlaveOpt");
    clickMark("MasterOpt");
    clickMark("PLC3Opt");
    clickMark("SlaveOpt");
    expectAnswersKept();
    EXPECT_TRUE(m_codes.empty());
}

TEST_F(Modes, ModeChangeLeavesThePromptsAlone)
{
    clickMark("SlaveOpt");
    clickMark("MasterOpt");
    EXPECT_EQ(text("RegLbl"), " Start Coil");
    EXPECT_EQ(text("ModCmdLst"), " 01 - Read Coil Status  (0X)");
}

TEST_F(Modes, ClickingANamingLabelSelectsNothing)
{
    for (const char *name : {"SlaveLbl", "PLC3Lbl", "XYZLbl", "MasterLbL", "PLC5Lbl"})
        QTest::mouseClick(control(name), Qt::LeftButton);
    EXPECT_TRUE(selected("MasterOpt"));
    EXPECT_TRUE(selected("PLC5Opt"));
    EXPECT_TRUE(selected("XYYOpt"));
    EXPECT_EQ(clientHeightInPixels(), 630);
}

TEST_F(Modes, ClickingTheSelectedMarkAgainChangesNothing)
{
    clickMark("PLC3Opt");
    clickMark("PLC3Opt");
    EXPECT_TRUE(selected("PLC3Opt"));
    expectMasterLayout(WindowState::MasterPlc3);
    clickMark("MasterOpt");
    expectMasterLayout(WindowState::MasterPlc3);
}

} // namespace

namespace {

TEST_F(Modes, EveryGroupKeepsExactlyOneSelectionWhateverIsClicked)
{
    const auto selectedIn = [this](std::initializer_list<const char *> group) {
        int count = 0;
        for (const char *name : group)
            count += selected(name) ? 1 : 0;
        return count;
    };
    for (const char *name : {"PLC3Opt", "PLC3Opt", "MasterOpt", "PLC5Opt", "XYZOpt", "XYZOpt",
                             "YXZOpt", "PLC3Opt", "MasterOpt", "MasterOpt", "PLC5Opt"}) {
        clickMark(name);
        EXPECT_TRUE(selected(name)) << name;
        EXPECT_EQ(selectedIn({"MasterOpt", "SlaveOpt"}), 1) << name;
        EXPECT_EQ(selectedIn({"PLC3Opt", "PLC5Opt"}), 1) << name;
        EXPECT_EQ(selectedIn({"XYYOpt", "XYZOpt", "YXZOpt"}), 1) << name;
    }
    EXPECT_TRUE(selected("YXZOpt"));
}

} // namespace
