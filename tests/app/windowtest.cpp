// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "windowtest.h"

#include "app/widgets/qtconversions.h"
#include "subs/controltable.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <memory>

void WindowTest::SetUp()
{
    m_window = std::make_unique<Mapping>();
    m_window->setErrorBox([this](QWidget *, std::int16_t code) { m_codes.push_back(code); });
    m_window->show();
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
}

void WindowTest::TearDown()
{
    m_window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_TRUE(liveTopLevels().isEmpty()) << liveTopLevels().join(u' ').toStdString();
}

QWidget *WindowTest::control(const char *name) const
{
    QWidget *widget = m_window->findChild<QWidget *>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QLabel *WindowTest::label(const char *name) const { return qobject_cast<QLabel *>(control(name)); }

QComboBox *WindowTest::list(const char *name) const
{
    return qobject_cast<QComboBox *>(control(name));
}

void WindowTest::clickMark(const char *radioName)
{
    auto *radio = qobject_cast<QRadioButton *>(control(radioName));
    ASSERT_NE(radio, nullptr);
    ASSERT_TRUE(radio->isVisible()) << radioName;
    QStyleOptionButton option;
    option.initFrom(radio);
    const QRect mark =
        radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio);
    QTest::mouseClick(radio, Qt::LeftButton, {}, mark.center());
}

void WindowTest::press(const char *buttonName)
{
    QWidget *button = control(buttonName);
    ASSERT_TRUE(button->isVisible()) << buttonName;
    QTest::mouseClick(button, Qt::LeftButton);
}

void WindowTest::pick(const char *listName, const QString &entry)
{
    QComboBox *box = list(listName);
    ASSERT_TRUE(box->isVisible()) << listName;
    const int index = box->findText(entry, Qt::MatchExactly);
    ASSERT_GE(index, 0) << listName << ": no entry " << entry.toStdString();
    box->showPopup();
    QAbstractItemView *view = box->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QRect item = view->visualRect(view->model()->index(index, box->modelColumn()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    ASSERT_FALSE(view->window()->isVisible()) << "the drop-down stayed open";
}

void WindowTest::type(const char *name, const QString &text)
{
    QWidget *target = control(name);
    ASSERT_TRUE(target->isVisible()) << name;
    if (auto *box = qobject_cast<QComboBox *>(target))
        target = box->lineEdit();
    // A click into another window makes it the active one first.
    QWidget *window = target->window();
    if (QApplication::activeWindow() != window) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
    }
    QTest::mouseClick(target, Qt::LeftButton);
    ASSERT_EQ(focusedControl(), QString::fromLatin1(name)) << "the click did not focus it";
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_Delete);
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void WindowTest::key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "no control has the focus";
    QTest::keyClick(focus, key, modifiers);
}

QString WindowTest::focusedControl() const
{
    // An editable list box lends the focus to its edit line, so walk up to the
    // first widget that the table names.
    for (QWidget *widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        for (const Corvane::Subs::ControlSpec &item : Corvane::Subs::mainWindowControls()) {
            if (widget->objectName() == Corvane::Desktop::toQString(item.name))
                return widget->objectName();
        }
    }
    return {};
}

void WindowTest::answerHoldingRegister()
{
    clickMark("XYZOpt");
    pick("ModCmdLst", QStringLiteral(" 03 - Read Holding Registers  (4X)"));
    type("RegTxt", QStringLiteral("1234"));
    type("SlaveAddrTxt", QStringLiteral("5"));
    press("TransMasterCmd");
    ASSERT_EQ(text("DTATxt"), "N451:234");
}

void WindowTest::answerSlaveRange()
{
    clickMark("SlaveOpt");
    type("DataFileTxt", QStringLiteral("N7:4/5"));
    type("StartRegTxt", QStringLiteral("40001"));
    type("NumRegTxt", QStringLiteral("10"));
    press("TransSlaveCmd");
    ASSERT_EQ(text("ModEndTxt"), "40010");
}

QString WindowTest::text(const char *name) const
{
    QWidget *widget = control(name);
    if (auto *output = qobject_cast<QLabel *>(widget))
        return output->text();
    if (auto *box = qobject_cast<QComboBox *>(widget))
        return box->currentText();
    if (auto *field = qobject_cast<QLineEdit *>(widget))
        return field->text();
    ADD_FAILURE() << name << " has no text";
    return {};
}

bool WindowTest::shown(const char *name) const
{
    return control(name)->isVisibleTo(m_window.get());
}

int WindowTest::topInTwips(const char *name) const
{
    return control(name)->y() * Corvane::Subs::kTwipsPerPixel;
}

int WindowTest::clientHeightInPixels() const
{
    EXPECT_EQ(m_window->minimumSize(), m_window->maximumSize()) << "the window must not resize";
    return m_window->height();
}

void whenModalOpens(std::function<void(QWidget *modal)> check)
{
    auto *poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, tries, check = std::move(check)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal && ++*tries < 200)
            return;
        poll->stop();
        poll->deleteLater();
        check(modal);
    });
    poll->start(10);
}

QStringList liveTopLevels()
{
    QStringList names;
    for (QWidget *widget : QApplication::topLevelWidgets())
        names << (widget->objectName().isEmpty()
                      ? QString::fromLatin1(widget->metaObject()->className())
                      : widget->objectName());
    return names;
}
