// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "windowtest.h"

#include "subs/controltable.h"
#include "tests/support/rowname.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>

#include <functional>

// What a screen reader hears follows what the window shows, after every change
// a user can make.

using namespace Corvane::Subs;

namespace {

QAccessibleInterface *readerOf(QWidget *widget)
{
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(widget);
    EXPECT_NE(reader, nullptr) << widget->objectName().toStdString();
    return reader;
}

QString heardName(QWidget *widget)
{
    QAccessibleInterface *reader = readerOf(widget);
    return reader ? reader->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

// The labels that a control says it is labelled by.
QList<QObject *> labelsOf(QWidget *widget)
{
    QList<QObject *> labels;
    if (QAccessibleInterface *reader = readerOf(widget)) {
        for (const auto &[other, relation] : reader->relations(QAccessible::Label))
            labels << other->object();
    }
    return labels;
}

class Accessibility;

struct UserSteps {
    const char *name;
    std::function<void(Accessibility &)> steps;
    // What the screen shows afterwards on one control, written out by hand.
    const char *control;
    const char *shows;
};

void PrintTo(const UserSteps &row, std::ostream *out) { *out << row.name; }

class Accessibility : public WindowTest, public testing::WithParamInterface<UserSteps> {
public:
    using WindowTest::answerHoldingRegister;
    using WindowTest::answerSlaveRange;
    using WindowTest::clickMark;
    using WindowTest::key;
    using WindowTest::pick;
    using WindowTest::press;
    using WindowTest::type;

    QLabel *labelOf(Corvane::Subs::Control id)
    {
        return qobject_cast<QLabel *>(window().control(id));
    }

    // Every control of the window against what the window shows now.
    void expectEveryNameToFollowTheScreen()
    {
        for (const ControlSpec &item : mainWindowControls()) {
            QWidget *widget = window().control(item.id);
            const std::string name(item.name);
            if (item.kind == ControlKind::Label || item.kind == ControlKind::Heading) {
                EXPECT_EQ(heardName(widget), labelOf(item.id)->text()) << name;
                continue;
            }
            if (!item.namedBy)
                continue;
            QLabel *caption = labelOf(*item.namedBy);
            EXPECT_EQ(labelsOf(widget), QList<QObject *>{caption}) << name;
            if (item.kind == ControlKind::OutputLabel) {
                // An empty output is heard by its caption rather than as nothing.
                const QString value = labelOf(item.id)->text();
                EXPECT_EQ(heardName(widget), value.isEmpty() ? caption->text() : value) << name;
                EXPECT_EQ(readerOf(widget)->text(QAccessible::Description), caption->text())
                    << name;
            } else if (item.kind == ControlKind::DropDown) {
                // Qt on Unix reports an editable box's text as its name and its
                // label through the relation above; elsewhere the name is this.
                EXPECT_EQ(widget->accessibleName(), caption->text()) << name;
                EXPECT_EQ(readerOf(widget)->text(QAccessible::Value),
                          qobject_cast<QComboBox *>(widget)->currentText())
                    << name;
            } else {
                EXPECT_EQ(heardName(widget), caption->text()) << name;
            }
        }
    }
};

TEST_P(Accessibility, EveryNameFollowsTheScreen)
{
    const UserSteps &row = GetParam();
    row.steps(*this);
    ASSERT_EQ(text(row.control), QString::fromUtf8(row.shows));
    if (*row.shows != '\0') {
        EXPECT_EQ(heardName(control(row.control)), QString::fromUtf8(row.shows));
    }
    expectEveryNameToFollowTheScreen();
}

const UserSteps kUserSteps[] = {
    {"StartUp", [](Accessibility &) {}, "RegLbl", " Start Coil"},
    {"ArrowKeysPickHoldingRegisters",
     [](Accessibility &test) {
         test.type("ModCmdLst", QStringLiteral(" 01 - Read Coil Status  (0X)"));
         test.key(Qt::Key_Down);
         test.key(Qt::Key_Down);
     },
     "RegLbl", "Start Register"},
    {"PickedWriteCommand",
     [](Accessibility &test) {
         test.pick("MesTypeLst", QStringLiteral(" Write"));
         test.pick("ModCmdLst", QStringLiteral(" 06 - Pre-set Single Register  (4X)"));
     },
     "RegLbl", "Start Register"},
    {"NyxzFormat", [](Accessibility &test) { test.clickMark("YXZOpt"); }, "RegValLbl",
     "(1-255, 1000-1255, 2000-2255, 3000-3255, etc.)"},
    {"Plc3Write",
     [](Accessibility &test) {
         test.pick("MesTypeLst", QStringLiteral(" Write"));
         test.clickMark("PLC3Opt");
     },
     "SlaveValLbl", "(0-255)"},
    {"TypedDiagnosticsThenRead",
     [](Accessibility &test) {
         test.type("ModCmdLst", QStringLiteral(" 08 - Diagnostics"));
         test.pick("MesTypeLst", QStringLiteral(" Read"));
     },
     "DiagSubLst", " 00 - Return Data Query"},
    {"MasterAnswer", [](Accessibility &test) { test.answerHoldingRegister(); }, "DTATxt",
     "N451:234"},
    {"MasterRefusal",
     [](Accessibility &test) {
         test.answerHoldingRegister();
         test.type("SlaveAddrTxt", QStringLiteral("10"));
         test.press("TransMasterCmd");
     },
     "DTATxt", ""},
    {"SlaveAnswer", [](Accessibility &test) { test.answerSlaveRange(); }, "ModEndTxt", "40010"},
};

INSTANTIATE_TEST_SUITE_P(Window, Accessibility, testing::ValuesIn(kUserSteps),
                         Corvane::Testing::RowName{});

using AccessibleFields = WindowTest;

TEST_F(AccessibleFields, MainWindowIsReadAsAWindowWithItsCaption)
{
    QAccessibleInterface *reader = readerOf(&window());
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::Window);
    EXPECT_EQ(reader->text(QAccessible::Name), window().windowTitle());
}

TEST_F(AccessibleFields, RegisterFieldIsRenamedWithItsCaption)
{
    pick("ModCmdLst", QStringLiteral(" 04 - Read Input Registers  (3X)"));
    EXPECT_EQ(heardName(control("RegTxt")), "Start Register");
    pick("ModCmdLst", QStringLiteral(" 02 - Read Input Status  (1X)"));
    EXPECT_EQ(heardName(control("RegTxt")), "Start Coil");
    EXPECT_EQ(heardName(control("RegLbl")), "Start Coil");
}

TEST_F(AccessibleFields, RoundMarksAreNamedByTheirLabels)
{
    const std::pair<const char *, const char *> marks[] = {
        {"MasterOpt", "Master"},
        {"SlaveOpt", "Slave"},
        {"PLC3Opt", "PLC-3  Word Range Read/Write"},
        {"PLC5Opt", "PLC-5  Typed Read/Write"},
        {"XYYOpt", "NXYY:Z"},
        {"XYZOpt", "NXYZ:Z"},
        {"YXZOpt", "NYXZ:Z"}};
    for (const auto &[mark, name] : marks)
        EXPECT_EQ(heardName(control(mark)), name) << mark;
}

} // namespace
