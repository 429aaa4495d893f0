// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "windowtest.h"

#include "subs/controltable.h"
#include "tests/support/rowname.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

namespace {

class Keyboard : public WindowTest {
protected:
    // Tabs once round the window from `first` and returns the controls visited.
    QStringList tabRound(const char *first)
    {
        control(first)->setFocus(Qt::TabFocusReason);
        QStringList visited{focusedControl()};
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QString now = focusedControl();
            if (now == visited.front())
                break;
            visited << now;
        }
        return visited;
    }

    bool selected(const char *name) const
    {
        return qobject_cast<QRadioButton *>(control(name))->isChecked();
    }
};

// --- Tab and Shift+Tab stop only on the selected mark of each group ------------------

class Round;

struct ReachedState {
    const char *name;
    std::function<void(Round &)> steps;
    // The Tab stops from Exit round to Exit, written out by hand.
    std::vector<const char *> stops;
};

void PrintTo(const ReachedState &row, std::ostream *out) { *out << row.name; }

class Round : public Keyboard, public testing::WithParamInterface<ReachedState> {
public:
    using WindowTest::clickMark;
    using WindowTest::control;
    using WindowTest::key;

    // Puts the focus on a control by tabbing to it from Exit, as a user would.
    void tabTo(const char *name)
    {
        control("Exit")->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 30 && focusedControl() != QLatin1String(name); ++i)
            key(Qt::Key_Tab);
        ASSERT_EQ(focusedControl(), QLatin1String(name));
    }

    // Presses Tab (or Shift+Tab) from Exit until the focus is back on Exit.
    QStringList stops(bool forward)
    {
        control("Exit")->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int i = 0; i < 30; ++i) {
            key(Qt::Key_Tab, forward ? Qt::NoModifier : Qt::ShiftModifier);
            const QString now = focusedControl();
            visited << now;
            if (now == QLatin1String("Exit"))
                break;
        }
        return visited;
    }
};

TEST_P(Round, TabAndShiftTabStopOnlyOnSelectedMarks)
{
    GetParam().steps(*this);
    QStringList expected;
    for (const char *stop : GetParam().stops)
        expected << QString::fromLatin1(stop);
    // Backward first: a forward round gives each group's first mark the focus,
    // and Qt moves the stop of a group to the mark that had the focus.
    QStringList backward(expected.rbegin() + 1, expected.rend());
    backward << QStringLiteral("Exit");
    EXPECT_EQ(stops(false), backward);
    EXPECT_EQ(stops(true), expected);
}

const std::vector<const char *> kStartUpStops{
    "MasterOpt", "PLC5Opt",      "XYYOpt",         "MesTypeLst", "ModCmdLst",
    "RegTxt",    "SlaveAddrTxt", "TransMasterCmd", "Aboutcmd",   "Exit"};

const ReachedState kReachedStates[] = {
    {"StartUp", [](Round &) {}, kStartUpStops},
    {"FormatClicked",
     [](Round &test) { test.clickMark("YXZOpt"); },
     {"MasterOpt", "PLC5Opt", "YXZOpt", "MesTypeLst", "ModCmdLst", "RegTxt", "SlaveAddrTxt",
      "TransMasterCmd", "Aboutcmd", "Exit"}},
    {"FormatByArrowKey",
     [](Round &test) {
         test.tabTo("XYYOpt");
         test.key(Qt::Key_Right);
     },
     {"MasterOpt", "PLC5Opt", "XYZOpt", "MesTypeLst", "ModCmdLst", "RegTxt", "SlaveAddrTxt",
      "TransMasterCmd", "Aboutcmd", "Exit"}},
    {"Plc3ByArrowKey",
     [](Round &test) {
         test.tabTo("PLC5Opt");
         test.key(Qt::Key_Left);
     },
     {"MasterOpt", "PLC3Opt", "MesTypeLst", "ModCmdLst", "RegTxt", "SlaveAddrTxt", "TransMasterCmd",
      "Aboutcmd", "Exit"}},
    {"Plc3ThenPlc5Clicked",
     [](Round &test) {
         test.clickMark("PLC3Opt");
         test.clickMark("PLC5Opt");
     },
     kStartUpStops},
    {"SlaveClicked",
     [](Round &test) { test.clickMark("SlaveOpt"); },
     {"SlaveOpt", "DataFileTxt", "StartRegTxt", "NumRegTxt", "TransSlaveCmd", "Aboutcmd", "Exit"}},
    {"SlaveThenMasterClicked",
     [](Round &test) {
         test.clickMark("SlaveOpt");
         test.clickMark("MasterOpt");
     },
     kStartUpStops},
    {"MarkPressedButReleasedElsewhere",
     [](Round &test) {
         // The mark takes the focus on the press, but without a release on it
         // nothing is selected.
         QWidget *mark = test.control("XYZOpt");
         QTest::mousePress(mark, Qt::LeftButton, {}, QPoint(8, 8));
         QTest::mouseRelease(mark, Qt::LeftButton, {}, QPoint(200, 8));
     },
     kStartUpStops},
};

INSTANTIATE_TEST_SUITE_P(Window, Round, testing::ValuesIn(kReachedStates),
                         Corvane::Testing::RowName{});

TEST_F(Keyboard, TabVisitsTheMasterPlc5Controls)
{
    EXPECT_EQ(tabRound("MasterOpt"),
              (QStringList{"MasterOpt", "PLC5Opt", "XYYOpt", "MesTypeLst", "ModCmdLst", "RegTxt",
                           "SlaveAddrTxt", "TransMasterCmd", "Aboutcmd", "Exit"}));
}

TEST_F(Keyboard, TabSkipsTheHiddenFormatAndVisitsTheSelectedPlcType)
{
    clickMark("PLC3Opt");
    EXPECT_EQ(tabRound("MasterOpt"),
              (QStringList{"MasterOpt", "PLC3Opt", "MesTypeLst", "ModCmdLst", "RegTxt",
                           "SlaveAddrTxt", "TransMasterCmd", "Aboutcmd", "Exit"}));
}

TEST_F(Keyboard, TabVisitsTheSubfunctionListWhenShown)
{
    clickMark("XYZOpt");
    type("ModCmdLst", QStringLiteral(" 08 - Diagnostics"));
    pick("MesTypeLst", QStringLiteral(" Write"));
    EXPECT_EQ(
        tabRound("MasterOpt"),
        (QStringList{"MasterOpt", "PLC5Opt", "XYZOpt", "MesTypeLst", "ModCmdLst", "DiagSubLst",
                     "RegTxt", "SlaveAddrTxt", "TransMasterCmd", "Aboutcmd", "Exit"}));
}

TEST_F(Keyboard, TabVisitsTheSlaveControls)
{
    clickMark("SlaveOpt");
    EXPECT_EQ(tabRound("SlaveOpt"),
              (QStringList{"SlaveOpt", "DataFileTxt", "StartRegTxt", "NumRegTxt", "TransSlaveCmd",
                           "Aboutcmd", "Exit"}));
}

TEST_F(Keyboard, ArrowKeysSelectAndRunTheHandler)
{
    control("MasterOpt")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_TRUE(selected("SlaveOpt"));
    EXPECT_TRUE(shown("SlaveFrm"));
    EXPECT_FALSE(shown("MasterFrm"));
    EXPECT_EQ(clientHeightInPixels(), 526);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_TRUE(selected("MasterOpt"));
    EXPECT_TRUE(shown("MasterFrm"));
    EXPECT_EQ(clientHeightInPixels(), 630);

    control("PLC5Opt")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_TRUE(selected("PLC3Opt"));
    EXPECT_FALSE(shown("XYYOpt"));
    EXPECT_EQ(clientHeightInPixels(), 558);
}

TEST_F(Keyboard, ArrowKeysInTheFormatGroupRefreshThePrompts)
{
    control("XYYOpt")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_TRUE(selected("XYZOpt"));
    EXPECT_EQ(text("SlaveValLbl"), "(1-9)");
}

TEST_F(Keyboard, ArrowKeysInAListPickAnEntry)
{
    control("MesTypeLst")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(text("MesTypeLst"), " Write");
    EXPECT_EQ(text("ModCmdLst"), " 05 - Force Single Coil  (0X)");
}

TEST_F(Keyboard, EnterInAListAddsNoEntryAndTranslatesNothing)
{
    type("ModCmdLst", QStringLiteral(" 08 - Diagnostics"));
    type("RegTxt", QStringLiteral("1"));
    type("SlaveAddrTxt", QStringLiteral("1"));
    QTest::keyClick(list("ModCmdLst")->lineEdit(), Qt::Key_Return);
    type("MesTypeLst", QStringLiteral(" Neither"));
    QTest::keyClick(list("MesTypeLst")->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(list("ModCmdLst")->count(), 4);
    EXPECT_EQ(list("MesTypeLst")->count(), 2);
    EXPECT_EQ(text("ModCmdLst"), " 08 - Diagnostics");
    EXPECT_EQ(text("MesTypeLst"), " Neither");
    EXPECT_TRUE(text("DTATxt").isEmpty());
    EXPECT_FALSE(shown("DiagSubLst"));
    EXPECT_EQ(text("RegLbl"), " Start Coil");
}

} // namespace
