// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "app/widgets/editablelist.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace Corvane::Desktop {

EditableList::EditableList(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    // Enter neither adds the typed text to the list nor completes it from the
    // list: the box shows exactly what was typed.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // QComboBox treats a typed text that equals an entry as a pick once Enter is
    // pressed or the focus leaves the box: it listens to its edit line for both.
    // Here typing picks nothing, so the box stops listening; the edit line keeps
    // every other tie to the box (text, cursor, focus).
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
}

void EditableList::showPopup()
{
    QComboBox::showPopup();
    const int shown = findText(currentText());
    view()->setCurrentIndex(shown >= 0 ? model()->index(shown, modelColumn(), rootModelIndex())
                                       : QModelIndex());
}

void EditableList::keyPressEvent(QKeyEvent *event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_PageUp:
            pickNeighbour(-1);
            event->accept();
            return;
        case Qt::Key_Down:
        case Qt::Key_PageDown:
            pickNeighbour(+1);
            event->accept();
            return;
        default:
            break;
        }
    }
    // Alt+Down and F4 open the list; every other key edits the text.
    QComboBox::keyPressEvent(event);
}

void EditableList::wheelEvent(QWheelEvent *event)
{
    // A turn of the wheel while the pointer crosses the box is no choice of the
    // user's; the wheel scrolls the open list only.
    event->ignore();
}

void EditableList::pickNeighbour(int step)
{
    if (count() == 0)
        return;
    const int shown = findText(currentText());
    const int target = shown >= 0 ? shown + step : (step > 0 ? 0 : count() - 1);
    if (target < 0 || target >= count())
        return;
    setCurrentIndex(target);
    // The highlighted entry may already be the target while the box shows a
    // typed text: the pick shows the entry either way.
    setEditText(itemText(target));
    emit activated(target);
    emit textActivated(itemText(target));
}

} // namespace Corvane::Desktop
