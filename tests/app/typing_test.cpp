// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "windowtest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <map>
#include <string>

// Typing into a drop-down box picks nothing: however the box is left, no
// handler runs and the box keeps the typed text. Only picks from the list do.

namespace {

const QString kHoldingRegisters = QStringLiteral(" 03 - Read Holding Registers  (4X)");
const char *const kLists[] = {"MesTypeLst", "ModCmdLst", "DiagSubLst"};

// Everything that a handler of the three boxes could change.
struct ListState {
    std::map<std::string, QString> texts;
    std::map<std::string, QStringList> entries;
    bool subfunctionShown = false;

    bool operator==(const ListState &) const = default;
};

void PrintTo(const ListState &state, std::ostream *out)
{
    for (const auto &[name, text] : state.texts)
        *out << name << "=\"" << text.toStdString() << "\" ";
    *out << (state.subfunctionShown ? "subfunction shown" : "subfunction hidden");
}

enum class Leave { Enter, Tab, ShiftTab, ClickAnotherField, ClickTranslate };

struct TypedText {
    const char *name;
    const char *list;
    const char *typed;
};

void PrintTo(const TypedText &row, std::ostream *out) { *out << row.name; }

class TypingIntoAList : public WindowTest {
protected:
    // Shows the subfunction list with the Read subfunctions.
    void showSubfunctions()
    {
        type("ModCmdLst", QStringLiteral(" 08 - Diagnostics"));
        pick("MesTypeLst", QStringLiteral(" Read"));
        ASSERT_TRUE(shown("DiagSubLst"));
    }

    ListState listState() const
    {
        ListState state;
        for (const char *name :
             {"MesTypeLst", "ModCmdLst", "DiagSubLst", "RegLbl", "RegValLbl", "SlaveValLbl"})
            state.texts[name] = text(name);
        for (const char *name : kLists) {
            for (int i = 0; i < list(name)->count(); ++i)
                state.entries[name] << list(name)->itemText(i);
        }
        state.subfunctionShown = shown("DiagSubLst");
        return state;
    }

    void leave(const char *listName, Leave how)
    {
        switch (how) {
        case Leave::Enter:
            key(Qt::Key_Return);
            return;
        case Leave::Tab:
            key(Qt::Key_Tab);
            break;
        case Leave::ShiftTab:
            key(Qt::Key_Tab, Qt::ShiftModifier);
            break;
        case Leave::ClickAnotherField:
            QTest::mouseClick(control("RegTxt"), Qt::LeftButton);
            break;
        case Leave::ClickTranslate:
            press("TransMasterCmd");
            break;
        }
        ASSERT_NE(focusedControl(), QString::fromLatin1(listName)) << "the focus did not leave";
    }
};

class TypedTextLeftBy : public TypingIntoAList,
                        public testing::WithParamInterface<std::tuple<TypedText, Leave>> {};

TEST_P(TypedTextLeftBy, RunsNoHandlerAndKeepsTheTypedText)
{
    const auto &[row, how] = GetParam();
    ASSERT_NO_FATAL_FAILURE(answerHoldingRegister());
    if (std::string_view(row.list) == "DiagSubLst") {
        ASSERT_NO_FATAL_FAILURE(showSubfunctions());
    }
    std::vector<std::unique_ptr<QSignalSpy>> picks;
    for (const char *name : kLists)
        picks.push_back(std::make_unique<QSignalSpy>(list(name), &QComboBox::activated));
    ListState expected = listState();
    expected.texts[row.list] = QString::fromUtf8(row.typed);

    type(row.list, QString::fromUtf8(row.typed));
    leave(row.list, how);

    EXPECT_EQ(listState(), expected);
    for (const auto &spy : picks) {
        EXPECT_EQ(spy->count(), 0) << spy->signal().toStdString() << " was emitted";
    }
}

constexpr TypedText kTypedTexts[] = {
    {"OtherMessageType", "MesTypeLst", " Write"},
    {"ShownMessageType", "MesTypeLst", " Read"},
    // Texts are compared exactly: a case-blind match would pick " Write".
    {"MessageTypeInLowerCase", "MesTypeLst", " write"},
    {"ListedCommand", "ModCmdLst", " 01 - Read Coil Status  (0X)"},
    {"DiagnosticsCommand", "ModCmdLst", " 08 - Diagnostics"},
    {"ListedSubfunction", "DiagSubLst", " 02 - Return Diagnostic Register"},
};

constexpr Leave kLeaves[] = {Leave::Enter, Leave::Tab, Leave::ShiftTab, Leave::ClickAnotherField,
                             Leave::ClickTranslate};

std::string leaveName(Leave how)
{
    switch (how) {
    case Leave::Enter:
        return "Enter";
    case Leave::Tab:
        return "Tab";
    case Leave::ShiftTab:
        return "ShiftTab";
    case Leave::ClickAnotherField:
        return "ClickAnotherField";
    case Leave::ClickTranslate:
        return "ClickTranslate";
    }
    return {};
}

INSTANTIATE_TEST_SUITE_P(Lists, TypedTextLeftBy,
                         testing::Combine(testing::ValuesIn(kTypedTexts),
                                          testing::ValuesIn(kLeaves)),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).name) + "Then" +
                                    leaveName(std::get<1>(info.param));
                         });

class TypedWriteLeftBy : public TypingIntoAList, public testing::WithParamInterface<Leave> {};

TEST_P(TypedWriteLeftBy, KeepsTheCommandAndTheAnswer)
{
    ASSERT_NO_FATAL_FAILURE(answerHoldingRegister());
    type("MesTypeLst", QStringLiteral(" Write"));
    leave("MesTypeLst", GetParam());
    press("TransMasterCmd");
    EXPECT_EQ(text("ModCmdLst"), kHoldingRegisters);
    EXPECT_EQ(text("RegLbl"), "Start Register");
    EXPECT_EQ(text("DTATxt"), "N451:234");
    EXPECT_TRUE(m_codes.empty());
}

INSTANTIATE_TEST_SUITE_P(Lists, TypedWriteLeftBy, testing::ValuesIn(kLeaves),
                         [](const auto &info) { return leaveName(info.param); });

// --- What a pick is --------------------------------------------------------------

using Picking = TypingIntoAList;

TEST_F(Picking, DownInTheClosedBoxPicksTheEntryAfterTheShownOne)
{
    type("ModCmdLst", QStringLiteral(" 02 - Read Input Status  (1X)"));
    key(Qt::Key_Down);
    EXPECT_EQ(text("ModCmdLst"), kHoldingRegisters);
    EXPECT_EQ(text("RegLbl"), "Start Register");
}

TEST_F(Picking, UpAtTheTopPicksNothing)
{
    QSignalSpy picks(list("MesTypeLst"), &QComboBox::activated);
    type("MesTypeLst", QStringLiteral(" Read"));
    key(Qt::Key_Up);
    EXPECT_EQ(picks.count(), 0);
    EXPECT_EQ(text("MesTypeLst"), " Read");
}

TEST_F(Picking, DownFromATextOfItsOwnPicksTheFirstEntry)
{
    // The message type pick leaves " 08 - Diagnostics" shown, which no entry is.
    ASSERT_NO_FATAL_FAILURE(showSubfunctions());
    QTest::mouseClick(list("ModCmdLst")->lineEdit(), Qt::LeftButton);
    key(Qt::Key_Down);
    EXPECT_EQ(text("ModCmdLst"), " 01 - Read Coil Status  (0X)");
    EXPECT_FALSE(shown("DiagSubLst"));
    EXPECT_EQ(text("RegLbl"), "Start Coil");
}

TEST_F(Picking, UpFromATextOfItsOwnPicksTheLastEntry)
{
    type("MesTypeLst", QStringLiteral(" Neither"));
    key(Qt::Key_Up);
    EXPECT_EQ(text("MesTypeLst"), " Write");
    EXPECT_EQ(text("ModCmdLst"), " 05 - Force Single Coil  (0X)");
}

TEST_F(Picking, AltDownOpensTheListOnTheShownEntryAndEnterPicks)
{
    pick("MesTypeLst", QStringLiteral(" Write"));
    pick("ModCmdLst", QStringLiteral(" 06 - Pre-set Single Register  (4X)"));
    QComboBox *box = list("ModCmdLst");
    QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
    key(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box->view()->window()));
    EXPECT_EQ(box->view()->currentIndex().row(), 1);
    QTest::keyClick(box->view(), Qt::Key_Down);
    QTest::keyClick(box->view(), Qt::Key_Return);
    EXPECT_FALSE(box->view()->window()->isVisible());
    EXPECT_EQ(text("ModCmdLst"), " 15 - Force Multiple Coils  (0X)");
    EXPECT_EQ(text("RegLbl"), "Start Coil");
}

TEST_F(Picking, F4ThenEscapePicksNothingAndKeepsTheTypedText)
{
    QSignalSpy picks(list("MesTypeLst"), &QComboBox::activated);
    type("MesTypeLst", QStringLiteral(" Write"));
    QComboBox *box = list("MesTypeLst");
    key(Qt::Key_F4);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box->view()->window()));
    // The typed text is an entry, so the list opens on it.
    EXPECT_EQ(box->view()->currentIndex().row(), 1);
    QTest::keyClick(box->view(), Qt::Key_Escape);
    EXPECT_FALSE(box->view()->window()->isVisible());
    EXPECT_EQ(picks.count(), 0);
    EXPECT_EQ(text("MesTypeLst"), " Write");
    EXPECT_EQ(text("ModCmdLst"), " 01 - Read Coil Status  (0X)");
}

TEST_F(Picking, TheWheelOverTheClosedBoxPicksNothing)
{
    QSignalSpy picks(list("MesTypeLst"), &QComboBox::activated);
    QComboBox *box = list("MesTypeLst");
    const QPointF centre = QRectF(box->rect()).center();
    QWheelEvent turn(centre, box->mapToGlobal(centre), {}, QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &turn);
    EXPECT_EQ(picks.count(), 0);
    EXPECT_EQ(text("MesTypeLst"), " Read");
}

} // namespace
