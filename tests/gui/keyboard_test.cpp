#include "windowtest.h"

#include "app/rules/controltable.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

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
