// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "windowtest.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QTextEdit>

#include <cmath>

// Values written out by hand from the window's design, not read from the
// control table: a typo in the table fails here even though the window and the
// table agree with each other.

namespace {

enum class Shows { Text, ToolTip };

struct LiteralText {
    const char *control;
    Shows what;
    const char *text;
};

void PrintTo(const LiteralText &row, std::ostream *out) { *out << row.control; }

// The text that a control shows: a label's caption, a button's, a list box's
// shown text, the title box's plain text; or its tooltip.
QString shownBy(QWidget *widget, Shows what)
{
    if (what == Shows::ToolTip)
        return widget->toolTip();
    if (auto *title = qobject_cast<QTextEdit *>(widget))
        return title->toPlainText();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *box = qobject_cast<QComboBox *>(widget))
        return box->currentText();
    return qobject_cast<QLabel *>(widget)->text();
}

constexpr LiteralText kTexts[] = {
    {"Exit", Shows::Text, "Exit "},
    {"Aboutcmd", Shows::Text, "About"},
    {"TitleTxt", Shows::Text, "Allan-Bradley / Modicon\nCorvane\n"},
    {"MasterLbL", Shows::Text, "Master"},
    {"SlaveLbl", Shows::Text, "Slave"},
    {"Label2", Shows::Text, "PLC Type Commands"},
    {"PLC3Lbl", Shows::Text, "PLC-3  Word Range Read/Write"},
    {"PLC5Lbl", Shows::Text, "PLC-5  Typed Read/Write"},
    {"AddrFrmtLbl", Shows::Text, "Addressing Format"},
    {"XYYLbl", Shows::Text, "NXYY:Z"},
    {"XYZLbl", Shows::Text, "NXYZ:Z"},
    {"YXZLbl", Shows::Text, "NYXZ:Z"},
    {"AddrCmdLbl", Shows::Text, "Modbus Address and Command"},
    {"MesTypeLbl", Shows::Text, "Message Type"},
    {"MesTypeLst", Shows::Text, " Read"},
    {"ModCmdLbl", Shows::Text, "Modbus Command"},
    {"ModCmdLst", Shows::Text, " 01 - Read Coil Status  (0X)"},
    {"DiagSubLbl", Shows::Text, "Diagnostic Subfunction"},
    {"DiagSubLst", Shows::Text, " 00 - Return Data Query"},
    {"RegLbl", Shows::Text, " Start Coil"},
    {"RegValLbl", Shows::Text, "(1-9999)"},
    {"SlaveAddrLbl", Shows::Text, "Slave Address"},
    {"SlaveValLbl", Shows::Text, "(1-99)"},
    {"TransMasterCmd", Shows::Text, "Translate"},
    {"DTALbl", Shows::Text, "Data Table Address"},
    {"ABDataFileLbl", Shows::Text, "Allan Bradley Starting Data File"},
    {"DataFileLbl", Shows::Text, "( Ex. N7:0 , N7:4/5 , B3/0 )"},
    {"ModiconStartRegLbl", Shows::Text, "Modicon Starting Register/Coil"},
    {"StartRegLbl", Shows::Text, "( Ex. 40001 )"},
    {"NumRegLbl", Shows::Text, "Number of AB words/bits to be Mapped"},
    {"TransSlaveCmd", Shows::Text, "Translate"},
    {"ABStartLbl", Shows::Text, "A-B Start File"},
    {"ModStartLbl", Shows::Text, "Modicon Start Register"},
    {"ModEndLbl", Shows::Text, "Modicon End Register"},
    {"FileLbl", Shows::Text, "File"},
    {"WordLbl", Shows::Text, "Word"},
    {"DataFileTxt", Shows::ToolTip,
     "Location of the starting Allan Bradley File and Word you want to mapped"},
    {"StartRegTxt", Shows::ToolTip,
     "Location of the starting Modicon Register or Coil that you want to map"},
    {"NumRegTxt", Shows::ToolTip, "Number of consecutive Registers or Coils to be mapped"},
};

class LiteralTexts : public WindowTest, public testing::WithParamInterface<LiteralText> {};

TEST_P(LiteralTexts, StartUpWindowShowsTheDesignText)
{
    EXPECT_EQ(shownBy(control(GetParam().control), GetParam().what),
              QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(MainWindow, LiteralTexts, testing::ValuesIn(kTexts), [](const auto &info) {
    return std::string(info.param.control) + (info.param.what == Shows::ToolTip ? "ToolTip" : "");
});

using LiteralCaption = WindowTest;

TEST_F(LiteralCaption, TitleThenFiftyThreeSpacesThenTheVersion)
{
    EXPECT_EQ(window().windowTitle(), "Allan-Bradley / Modicon Corvane                             "
                                      "                        Ver 1.3");
    // The run of spaces, counted for the reader of this test.
    const QString title = window().windowTitle();
    const qsizetype afterTitle = title.indexOf(u"Corvane") + 7;
    EXPECT_EQ(title.mid(afterTitle, title.indexOf(u"Ver ") - afterTitle), QString(53, u' '));
}

// Left, top, width and height in twips, from the container's corner.
struct LiteralPlace {
    const char *control;
    const char *container;
    int left;
    int top;
    int width;
    int height;
};

void PrintTo(const LiteralPlace &row, std::ostream *out) { *out << row.control; }

constexpr LiteralPlace kPlaces[] = {
    {"LogoPic", "Mapping", 120, 120, 4185, 1575},
    {"Exit", "Mapping", 6600, 1375, 1095, 350},
    {"Frame1", "Mapping", -120, 1800, 9615, 7695},
    {"MasterOpt", "Frame1", 360, 240, 255, 375},
    {"SlaveFrm", "Frame1", 0, 600, 9615, 5535},
    {"PLC3Opt", "MasterFrm", 360, 720, 255, 255},
    {"RegTxt", "PLCTypeFrm", 2520, 3600, 1095, 285},
    {"MasterTransFrm", "PLCTypeFrm", 240, 4800, 9015, 1095},
    {"DTATxt", "MasterTransFrm", 6120, 360, 2655, 495},
    {"SlaveTransFrm", "SlaveFrm", 240, 3120, 9015, 2175},
    {"ModStartTxt", "SlaveTransFrm", 600, 1560, 1695, 375},
};

class LiteralPlaces : public WindowTest, public testing::WithParamInterface<LiteralPlace> {};

int pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

TEST_P(LiteralPlaces, StartUpWindowPlacesTheControlThere)
{
    const LiteralPlace &row = GetParam();
    QWidget *widget = control(row.control);
    EXPECT_EQ(widget->parentWidget()->objectName(), row.container);
    EXPECT_EQ(widget->geometry(),
              QRect(pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height)));
}

INSTANTIATE_TEST_SUITE_P(MainWindow, LiteralPlaces, testing::ValuesIn(kPlaces),
                         [](const auto &info) { return std::string(info.param.control); });

} // namespace
