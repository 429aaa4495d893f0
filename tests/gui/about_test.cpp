#include "windowtest.h"

#include "about/about.h"
#include "app/rules/captions.h"
#include "app/widgets/qtconversions.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

class AboutWindow : public WindowTest {
protected:
    QPointer<About> showAbout()
    {
        press("Aboutcmd");
        QPointer<About> about = window().aboutWindow();
        EXPECT_NE(about, nullptr);
        if (about) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(about));
        }
        return about;
    }

    static QString labelText(About *about, const char *name)
    {
        return about->findChild<QLabel *>(QString::fromLatin1(name))->text();
    }

    static void flushDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    int visibleAboutWindows() const
    {
        int count = 0;
        for (QWidget *widget : QApplication::topLevelWidgets())
            count += qobject_cast<About *>(widget) && widget->isVisible() ? 1 : 0;
        return count;
    }
};

TEST_F(AboutWindow, ShowsTitleVersionAndDescription)
{
    const QPointer<About> about = showAbout();
    ASSERT_TRUE(about);
    EXPECT_EQ(about->windowTitle(), "About Corvane");
    EXPECT_EQ(labelText(about, "lblTitle"), "Corvane");
    EXPECT_EQ(labelText(about, "lblVersion"), "Version 1.3");
    EXPECT_EQ(labelText(about, "lblDescription"),
              Corvane::Desktop::toQString(Corvane::Subs::aboutDescription()));
    EXPECT_EQ(Corvane::Desktop::toQString(Corvane::Subs::aboutDescription()),
              "App Description\r\n\r\nThe Allan-Bradley / Modicon Corvane is designed to help "
              "users setup the mapping of Modbus registers / coils to Allan-Bradley Data files "
              "for both Master and Slave applications");
    EXPECT_TRUE(labelText(about, "lblDescription").size() > 0);
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->size(), QSize(382, 217));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    EXPECT_FALSE(about->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(about->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    auto *ok = about->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->geometry(), QRect(283, 184, 84, 23));
    // The main window stays usable beside it.
    type("RegTxt", QStringLiteral("12"));
    EXPECT_EQ(text("RegTxt"), "12");
}

TEST_F(AboutWindow, DescriptionFitsItsLabel)
{
    const QPointer<About> about = showAbout();
    ASSERT_TRUE(about);
    auto *description = about->findChild<QLabel *>(QStringLiteral("lblDescription"));
    EXPECT_TRUE(description->wordWrap());
    EXPECT_LE(description->heightForWidth(description->width()), description->height());
}

TEST_F(AboutWindow, SecondPressShowsNoSecondCopy)
{
    const QPointer<About> first = showAbout();
    const QPoint where = first->pos();
    const QPointer<About> second = showAbout();
    EXPECT_EQ(first, second);
    EXPECT_EQ(second->pos(), where);
    EXPECT_EQ(visibleAboutWindows(), 1);
}

TEST_F(AboutWindow, OkDiscardsItAndTheNextPressBuildsItAnew)
{
    const QPointer<About> first = showAbout();
    QTest::mouseClick(first->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    flushDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(window().aboutWindow(), nullptr);

    const QPointer<About> again = showAbout();
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->isVisible());
    EXPECT_EQ(labelText(again, "lblVersion"), "Version 1.3");
    EXPECT_EQ(again->windowTitle(), "About Corvane");
}

TEST_F(AboutWindow, EscapeAndTheCloseBoxDiscardItToo)
{
    QPointer<About> about = showAbout();
    QTest::keyClick(about, Qt::Key_Escape);
    flushDeletes();
    EXPECT_TRUE(about.isNull());

    about = showAbout();
    QTest::keyClick(about, Qt::Key_Return);
    flushDeletes();
    EXPECT_TRUE(about.isNull());

    about = showAbout();
    about->close(); // what the title bar's close box does
    flushDeletes();
    EXPECT_TRUE(about.isNull());
}

TEST_F(AboutWindow, ScreenReadersReadEachLabelAsShown)
{
    const QPointer<About> about = showAbout();
    ASSERT_TRUE(about);
    for (const char *name : {"lblTitle", "lblVersion", "lblDescription"}) {
        auto *label = about->findChild<QLabel *>(QString::fromLatin1(name));
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(reader, nullptr) << name;
        EXPECT_EQ(reader->text(QAccessible::Name), label->text()) << name;
    }
}

using Ending = WindowTest;

TEST_F(Ending, ExitClosesTheMainWindowAndTheAboutWindow)
{
    press("Aboutcmd");
    const QPointer<About> about = window().aboutWindow();
    press("Exit");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(about.isNull());
}

TEST_F(Ending, CloseBoxEndsTheProgramWithAHiddenAboutWindow)
{
    const QPointer<About> hidden = window().aboutWindow();
    ASSERT_TRUE(hidden);
    EXPECT_TRUE(window().close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(hidden.isNull());
}

} // namespace
