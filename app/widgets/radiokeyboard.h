// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QButtonGroup;
class QWidget;

namespace Corvane::Desktop {

// Makes each group of round marks of a window one stop of the keyboard order,
// its selected mark: Tab and Shift+Tab land on the selected mark and pass the
// others by, before any mark has had the focus and after every change of
// selection. The arrow keys move within a group and select as they go (Qt's
// own handling, which also clicks the mark and so runs its handler).
//
// Qt gives a mark the Tab stop when it takes the focus, not when it is
// selected, and before that every mark of a group is a stop; this object moves
// the stop to the selected mark after each of those moments.
class RadioKeyboard : public QObject {
    Q_OBJECT

public:
    // Follows every QButtonGroup that `window` owns; build it after the groups
    // are filled. new RadioKeyboard(&mainWindow);
    explicit RadioKeyboard(QWidget *window);

private:
    static void keepSelectedAsStop(QButtonGroup *group);
};

} // namespace Corvane::Desktop
