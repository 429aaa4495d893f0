// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "windowtest.h"

#include "app/widgets/errorbox.h"
#include "app/widgets/qtconversions.h"
#include "errors/errormessages.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QTest>

namespace {

struct SeenBox {
    bool opened = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    bool onlyOk = false;
    bool modal = false;
};

// Looks at the open box, then closes it with its OK button as a user would.
void closeWithOk(SeenBox &seen)
{
    whenModalOpens([&seen](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr) << "no modal message box opened";
        seen.opened = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttonCount = static_cast<int>(box->buttons().size());
        seen.onlyOk = box->standardButtons() == QMessageBox::Ok;
        seen.modal = box->isModal();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
}

using RealErrorBox = WindowTest;

TEST_F(RealErrorBox, FailedSlaveTranslationShowsTheModalBoxThenBlanksTheAnswer)
{
    window().setErrorBox(&Corvane::Desktop::ShowErrorBox);
    clickMark("SlaveOpt");
    type("DataFileTxt", QStringLiteral("N7:0"));
    type("StartRegTxt", QStringLiteral("40001"));
    type("NumRegTxt", QStringLiteral("2"));
    press("TransSlaveCmd");
    ASSERT_EQ(text("ModEndTxt"), "40002");

    type("DataFileTxt", QStringLiteral("F8/3"));
    SeenBox seen;
    closeWithOk(seen);
    press("TransSlaveCmd");

    ASSERT_TRUE(seen.opened);
    EXPECT_EQ(seen.title, "An Error has Occured!");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttonCount, 1);
    EXPECT_TRUE(seen.onlyOk);
    EXPECT_TRUE(seen.modal);
    // Code 9: seven lines, the fifth blank, each CR LF shown as one line break.
    const QStringList lines = seen.text.split(u'\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], "Invalid AB Datafile");
    EXPECT_EQ(lines[3], "N7:0 , N7:4/5 , B3/0");
    EXPECT_TRUE(lines[4].isEmpty());
    EXPECT_EQ(lines[6], "F8:0");
    EXPECT_FALSE(seen.text.contains(u'\r'));
    for (const char *name : {"ModStartTxt", "ModEndTxt", "FileTxt", "WordTxt"})
        EXPECT_TRUE(text(name).isEmpty()) << name;
}

class AnswerBehindTheBox : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        window().setErrorBox(&Corvane::Desktop::ShowErrorBox);
    }

    // Presses the button with the real box and returns what the answer labels
    // showed while the box was open.
    QStringList pressAndLook(const char *button, const QStringList &answers)
    {
        QStringList seen;
        bool opened = false;
        whenModalOpens([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box)
                return;
            opened = true;
            for (const QString &name : answers)
                seen << label(name.toLatin1().constData())->text();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        press(button);
        EXPECT_TRUE(opened) << "no modal message box opened";
        return seen;
    }
};

TEST_F(AnswerBehindTheBox, MasterAnswerStaysUntilOkThenGoes)
{
    ASSERT_NO_FATAL_FAILURE(answerHoldingRegister());

    type("SlaveAddrTxt", QStringLiteral("10"));
    EXPECT_EQ(pressAndLook("TransMasterCmd", {"DTATxt"}), QStringList{"N451:234"});
    EXPECT_EQ(m_codes.size(), 0u) << "the real box, not the recorder, must have shown it";
    EXPECT_TRUE(text("DTATxt").isEmpty());
}

TEST_F(AnswerBehindTheBox, SlaveAnswersStayUntilOkThenGo)
{
    ASSERT_NO_FATAL_FAILURE(answerSlaveRange());
    const QStringList answers{"ModStartTxt", "ModEndTxt", "FileTxt", "WordTxt"};
    const QStringList answer{"40001", "40010", "7", "4"};
    QStringList shown;
    for (const QString &name : answers)
        shown << text(name.toLatin1().constData());
    ASSERT_EQ(shown, answer);

    type("DataFileTxt", QStringLiteral("N7:4/16"));
    EXPECT_EQ(pressAndLook("TransSlaveCmd", answers), answer);
    for (const QString &name : answers)
        EXPECT_TRUE(text(name.toLatin1().constData()).isEmpty()) << name.toStdString();
}

TEST_F(RealErrorBox, CodeWithoutAMessageShowsTheTitleOverAnEmptyText)
{
    for (const std::int16_t code : {std::int16_t{14}, std::int16_t{-1}}) {
        SeenBox seen;
        closeWithOk(seen);
        Corvane::Desktop::ShowErrorBox(&window(), code);
        ASSERT_TRUE(seen.opened) << code;
        EXPECT_EQ(seen.title, "An Error has Occured!");
        EXPECT_TRUE(seen.text.isEmpty()) << code;
    }
}

TEST_F(RealErrorBox, CodesZeroAndTwoShowTheSameTwoLines)
{
    SeenBox zero;
    closeWithOk(zero);
    Corvane::Desktop::ShowErrorBox(&window(), 0);
    SeenBox two;
    closeWithOk(two);
    Corvane::Desktop::ShowErrorBox(&window(), 2);
    EXPECT_EQ(zero.text, "Invalid Register Value\nEnter a value between 1 and 9999");
    EXPECT_EQ(two.text, zero.text);
}

TEST(DisplayText, TurnsEachCrLfIntoOneLineBreak)
{
    EXPECT_EQ(Corvane::Desktop::toDisplayText("a\r\n\r\nb"), "a\n\nb");
    EXPECT_EQ(Corvane::Desktop::toDisplayText(Corvane::Errors::errorText(11)),
              "Invalid Modbus Register/Coil\nA Modbus Register/Coil is out of Range");
}

} // namespace
