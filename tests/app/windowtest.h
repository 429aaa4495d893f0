// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/mapping.h"
#include "subs/controltable.h"

#include <gtest/gtest.h>

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

using Corvane::Desktop::About;
using Corvane::Desktop::Mapping;

// Readable failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace Corvane::Subs {
inline void PrintTo(const ControlSpec &item, std::ostream *out) { *out << item.name; }
} // namespace Corvane::Subs

class QAbstractButton;
class QComboBox;
class QLabel;

// A shown main window whose error box records the codes instead of showing a
// modal box, driven only the way a user drives it: clicks on round marks and
// buttons, picks in the lists, typed text. After each test no top-level window
// may be left behind.
class WindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Mapping &window() { return *m_window; }
    QWidget *control(const char *name) const;
    QLabel *label(const char *name) const;
    QComboBox *list(const char *name) const;

    // Clicks the round mark of a radio button.
    void clickMark(const char *radioName);
    // Clicks a push button in its middle.
    void press(const char *buttonName);
    // Opens the list's drop-down and clicks the entry.
    void pick(const char *listName, const QString &entry);
    // Clicks into a field or a list's edit box, selects its text and types over
    // it; the keys go where the focus is, as a user's keys do.
    void type(const char *name, const QString &text);
    // Presses a key where the focus is.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The table name of the control that has the focus; empty if none has.
    QString focusedControl() const;

    // Two worked examples, typed and translated as a user would. Master: PLC-5,
    // NXYZ:Z, " 03 - Read Holding Registers  (4X)", register 1234, slave 5
    // answer N451:234. Slave: N7:4/5, 40001 and 10 answer 40001 to 40010,
    // file 7, word 4.
    void answerHoldingRegister();
    void answerSlaveRange();

    QString text(const char *name) const;
    bool shown(const char *name) const;
    int topInTwips(const char *name) const;
    int clientHeightInPixels() const;

    std::vector<std::int16_t> m_codes;

private:
    std::unique_ptr<Mapping> m_window;
};

// Runs `check` on the modal box once it is open, from a timer, so that the
// test can look at a box that blocks the call which opened it.
void whenModalOpens(std::function<void(QWidget *modal)> check);

// The names of the top-level widgets still alive.
QStringList liveTopLevels();
