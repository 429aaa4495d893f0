// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "app/widgets/radiokeyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QWidget>

namespace Corvane::Desktop {

RadioKeyboard::RadioKeyboard(QWidget *window) : QObject(window)
{
    setObjectName(QStringLiteral("RadioKeyboard"));
    for (QButtonGroup *group : window->findChildren<QButtonGroup *>()) {
        keepSelectedAsStop(group);
        connect(group, &QButtonGroup::buttonToggled, this,
                [group](QAbstractButton *, bool) { keepSelectedAsStop(group); });
    }
    // A mark that takes the focus makes itself the stop of its group (Qt does
    // so while the focus arrives, selected or not); once the focus has arrived
    // the stop goes back to the selected mark.
    connect(qApp, &QApplication::focusChanged, this, [window](QWidget *, QWidget *now) {
        auto *mark = qobject_cast<QAbstractButton *>(now);
        if (mark && mark->group() && window->isAncestorOf(mark))
            keepSelectedAsStop(mark->group());
    });
}

void RadioKeyboard::keepSelectedAsStop(QButtonGroup *group)
{
    QAbstractButton *selected = group->checkedButton();
    if (!selected)
        return; // a group with no selection keeps every mark a stop, or none would be
    for (QAbstractButton *mark : group->buttons()) {
        const Qt::FocusPolicy policy = mark->focusPolicy();
        mark->setFocusPolicy(mark == selected ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                              : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

} // namespace Corvane::Desktop
