// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "windowtest.h"

#include "about/about.h"
#include "app/widgets/qtconversions.h"
#include "subs/controltable.h"
#include "tests/support/rowname.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include <memory>
#include <string>
#include <vector>

using namespace Corvane::Subs;
using Corvane::Desktop::toQString;

namespace {

QStringList entriesOf(QComboBox *box)
{
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries << box->itemText(i);
    return entries;
}

using StartUp = WindowTest;

TEST_F(StartUp, CaptionCarriesTitleAndVersionAfterFiftyThreeSpaces)
{
    const QString expected = QStringLiteral("Allan-Bradley / Modicon Corvane") +
                             QString(53, QLatin1Char(' ')) + QStringLiteral("Ver 1.3");
    EXPECT_EQ(window().windowTitle(), expected);
}

TEST_F(StartUp, StandsInMasterModeWithPlc5AndNxyy)
{
    EXPECT_TRUE(shown("MasterFrm"));
    EXPECT_FALSE(shown("SlaveFrm"));
    const std::map<std::string, bool> selected{
        {"MasterOpt", true}, {"SlaveOpt", false}, {"PLC5Opt", true}, {"PLC3Opt", false},
        {"XYYOpt", true},    {"XYZOpt", false},   {"YXZOpt", false}};
    for (const auto &[name, checked] : selected)
        EXPECT_EQ(qobject_cast<QRadioButton *>(control(name.c_str()))->isChecked(), checked)
            << name;
    EXPECT_EQ(clientHeightInPixels(), 630);
    EXPECT_EQ(window().width(), 617);
}

TEST_F(StartUp, ListsHoldTheirStartEntries)
{
    EXPECT_EQ(entriesOf(list("MesTypeLst")), (QStringList{" Read", " Write"}));
    EXPECT_EQ(text("MesTypeLst"), " Read");
    EXPECT_EQ(
        entriesOf(list("ModCmdLst")),
        (QStringList{" 01 - Read Coil Status  (0X)", " 02 - Read Input Status  (1X)",
                     " 03 - Read Holding Registers  (4X)", " 04 - Read Input Registers  (3X)"}));
    EXPECT_EQ(text("ModCmdLst"), " 01 - Read Coil Status  (0X)");
    EXPECT_EQ(list("DiagSubLst")->count(), 0);
    EXPECT_EQ(text("DiagSubLst"), " 00 - Return Data Query");
    EXPECT_FALSE(shown("DiagSubLbl"));
    EXPECT_FALSE(shown("DiagSubLst"));
}

TEST_F(StartUp, NoHandlerRanDuringStartUp)
{
    // UpdateFieldPrompts would have dropped the leading space of the caption,
    // and SetPLC5Layout would have moved the command heading to 1320.
    EXPECT_EQ(text("RegLbl"), " Start Coil");
    EXPECT_EQ(topInTwips("AddrCmdLbl"), 1200);
    EXPECT_EQ(text("RegValLbl"), "(1-9999)");
    EXPECT_EQ(text("SlaveValLbl"), "(1-99)");
}

TEST_F(StartUp, OutputLabelsAndFieldsAreEmpty)
{
    for (const char *name : {"DTATxt", "ModStartTxt", "ModEndTxt", "FileTxt", "WordTxt", "RegTxt",
                             "SlaveAddrTxt", "DataFileTxt", "StartRegTxt", "NumRegTxt"})
        EXPECT_TRUE(text(name).isEmpty()) << name;
}

TEST_F(StartUp, AboutWindowIsLoadedButHidden)
{
    About *about = window().aboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), "About Corvane");
}

TEST_F(StartUp, WindowIsFixedWithACloseBoxOnly)
{
    const Qt::WindowFlags flags = window().windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window().minimumSize(), window().maximumSize());
    EXPECT_FALSE(window().windowIcon().isNull());
    EXPECT_EQ(window().windowIcon().availableSizes().value(0), QSize(32, 32));
}

TEST_F(StartUp, NoButtonIsADefaultButton)
{
    for (const char *name : {"Exit", "Aboutcmd", "TransMasterCmd", "TransSlaveCmd"}) {
        auto *button = qobject_cast<QPushButton *>(control(name));
        EXPECT_FALSE(button->isDefault()) << name;
        EXPECT_FALSE(button->autoDefault()) << name;
    }
}

TEST_F(StartUp, ListBoxesAreEditableAndInsertNothing)
{
    for (const char *name : {"MesTypeLst", "ModCmdLst", "DiagSubLst"}) {
        EXPECT_TRUE(list(name)->isEditable()) << name;
        EXPECT_EQ(list(name)->insertPolicy(), QComboBox::NoInsert) << name;
        EXPECT_EQ(list(name)->completer(), nullptr) << name;
    }
}

TEST_F(StartUp, HeaderStandsOnWindowBackgroundAndTheRestOnButtonFace)
{
    const QPalette standard = QApplication::palette();
    EXPECT_EQ(window().palette().color(QPalette::Window), standard.color(QPalette::Base));
    EXPECT_EQ(control("Frame1")->palette().color(QPalette::Window),
              standard.color(QPalette::Button));
    EXPECT_TRUE(control("Frame1")->autoFillBackground());
    EXPECT_EQ(label("DTATxt")->palette().color(QPalette::Window), standard.color(QPalette::Base));
    for (const char *heading : {"Label2", "AddrFrmtLbl", "AddrCmdLbl"})
        EXPECT_EQ(label(heading)->palette().color(QPalette::WindowText), QColor(53, 116, 117))
            << heading;
}

TEST_F(StartUp, OutputLabelsLetTheMouseSelectTheAnswer)
{
    for (const char *name : {"DTATxt", "ModStartTxt", "ModEndTxt", "FileTxt", "WordTxt"}) {
        EXPECT_TRUE(label(name)->textInteractionFlags().testFlag(Qt::TextSelectableByMouse))
            << name;
        EXPECT_EQ(label(name)->alignment(), Qt::AlignCenter) << name;
        EXPECT_TRUE(label(name)->font().bold()) << name;
    }
}

TEST_F(StartUp, TitleBoxShowsTwoLinesEachEndedByALineBreak)
{
    auto *title = qobject_cast<QTextEdit *>(control("TitleTxt"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->toPlainText(), "Allan-Bradley / Modicon\nCorvane\n");
    EXPECT_TRUE(title->isReadOnly());
    EXPECT_EQ(title->frameShape(), QFrame::NoFrame);
}

// --- Every control against its table row ------------------------------------------

class EveryControl : public WindowTest, public testing::WithParamInterface<ControlSpec> {
protected:
    QWidget *widget() { return window().control(GetParam().id); }
};

TEST_P(EveryControl, StandsWhereTheTableSays)
{
    const ControlSpec &item = GetParam();
    const PixelRect pixels = toPixels(item.rect);
    EXPECT_EQ(widget()->geometry(), QRect(pixels.x, pixels.y, pixels.width, pixels.height));
    const QString parent =
        item.parent ? toQString(controlSpec(*item.parent).name) : QStringLiteral("Mapping");
    EXPECT_EQ(widget()->parentWidget()->objectName(), parent);
}

TEST_P(EveryControl, HasItsStartUpTextFontAndState)
{
    const ControlSpec &item = GetParam();
    QWidget *control = widget();
    EXPECT_EQ(!control->isHidden(), item.visible);
    EXPECT_TRUE(control->isEnabled());
    const QFont font = control->font();
    EXPECT_EQ(font.family(), toQString(item.font.face));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), item.font.pointSize);
    EXPECT_EQ(font.bold(), item.font.bold);
    EXPECT_EQ(control->toolTip(), toQString(item.toolTip));
    if (auto *label = qobject_cast<QLabel *>(control)) {
        EXPECT_EQ(label->text(), toQString(item.text));
        if (item.kind == ControlKind::Label) {
            const Qt::Alignment horizontal = label->alignment() & Qt::AlignHorizontal_Mask;
            const Qt::Alignment expected = item.align == TextAlign::Right    ? Qt::AlignRight
                                           : item.align == TextAlign::Centre ? Qt::AlignHCenter
                                                                             : Qt::AlignLeft;
            EXPECT_EQ(horizontal, expected);
        }
    }
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        EXPECT_EQ(button->text(), toQString(item.text));
    }
    if (auto *radio = qobject_cast<QRadioButton *>(control)) {
        EXPECT_TRUE(radio->text().isEmpty());
        EXPECT_EQ(radio->isChecked(), item.checked);
    }
    if (auto *field = qobject_cast<QLineEdit *>(control)) {
        EXPECT_TRUE(field->text().isEmpty());
        EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        EXPECT_GT(field->maxLength(), 1'000'000) << "fields have no length limit";
    }
    if (item.kind == ControlKind::Frame) {
        EXPECT_NE(qobject_cast<QFrame *>(control)->frameShape(), QFrame::NoFrame);
    }
    if (item.kind == ControlKind::PlainFrame) {
        EXPECT_EQ(qobject_cast<QFrame *>(control)->frameShape(), QFrame::NoFrame);
    }
}

INSTANTIATE_TEST_SUITE_P(MainWindow, EveryControl, testing::ValuesIn(mainWindowControls()),
                         Corvane::Testing::RowName{});

std::vector<ControlSpec> captionedControls()
{
    std::vector<ControlSpec> captioned;
    for (const ControlSpec &item : mainWindowControls()) {
        if ((item.kind == ControlKind::Label || item.kind == ControlKind::Heading) &&
            !item.text.empty())
            captioned.push_back(item);
    }
    return captioned;
}

using EveryCaption = EveryControl;

TEST_P(EveryCaption, FitsItsBoxWithTheSubstituteFaces)
{
    auto *label = qobject_cast<QLabel *>(widget());
    const QFontInfo face(label->font());
    if (!face.family().startsWith(QStringLiteral("Liberation")))
        GTEST_SKIP() << "the metric-compatible faces are not installed";
    const QFontMetrics metrics(label->font());
    // One pixel of slack: "Addressing Format" needs 146 px of its 145.
    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width() + 1);
    EXPECT_LE(metrics.height(), label->height());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, EveryCaption, testing::ValuesIn(captionedControls()),
                         Corvane::Testing::RowName{});

} // namespace
