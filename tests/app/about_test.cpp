// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "windowtest.h"

#include "about/about.h"
#include "app/widgets/qtconversions.h"
#include "subs/captions.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <string>

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

// Places written out by hand from the About window's design (twips): left,
// top, width, height; a line by its two end points and its width in pixels.
struct AboutPlace {
    const char *control;
    int left;
    int top;
    int width;
    int height;
};

void PrintTo(const AboutPlace &row, std::ostream *out) { *out << row.control; }

constexpr AboutPlace kAboutPlaces[] = {
    {"picIcon", 240, 240, 540, 540},
    {"lblTitle", 1050, 240, 3885, 480},
    {"lblVersion", 1050, 780, 3885, 225},
    {"lblDescription", 1050, 1365, 3885, 1170},
    {"cmdOK", 4245, 2760, 1260, 345},
    // Line1 index 1: grey, from 90, 2685 to 5654, 2685, one pixel wide.
    {"Line1_1", 90, 2685, 5654 - 90, 15},
    // Line1 index 0: white, from 105, 2700 to 5654, 2700, two pixels wide.
    {"Line1_0", 105, 2700, 5654 - 105, 2 * 15},
};

class AboutPlaces : public AboutWindow, public testing::WithParamInterface<AboutPlace> {};

int pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

TEST_P(AboutPlaces, ControlStandsWhereTheDesignPutsIt)
{
    const AboutPlace &row = GetParam();
    const QPointer<About> about = showAbout();
    ASSERT_TRUE(about);
    auto *widget = about->findChild<QWidget *>(QString::fromLatin1(row.control));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), about.data());
    EXPECT_EQ(widget->geometry(),
              QRect(pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height)));
}

INSTANTIATE_TEST_SUITE_P(About, AboutPlaces, testing::ValuesIn(kAboutPlaces),
                         [](const auto &info) { return std::string(info.param.control); });

TEST_F(AboutWindow, SeparatorIsGreyOverWhite)
{
    const QPointer<About> about = showAbout();
    ASSERT_TRUE(about);
    const auto colour = [&about](const char *name) {
        return about->findChild<QWidget *>(QString::fromLatin1(name))
            ->palette()
            .color(QPalette::Window);
    };
    EXPECT_EQ(colour("Line1_1"), QColor(128, 128, 128));
    EXPECT_EQ(colour("Line1_0"), QColor(255, 255, 255));
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
