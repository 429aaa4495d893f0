// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

namespace Corvane::Desktop {

// A drop-down box with an editable text whose activated() signal means one
// thing only: the user picked an entry. Typing never picks, whatever is typed
// and however the box is left (Enter, Tab, Shift+Tab, a click elsewhere), and
// the box keeps showing exactly what was typed.
//
// What counts as a pick:
// - a click on an entry of the open list, or Enter on its highlighted entry
//   (the list opens with the arrow button, Alt+Down or F4);
// - Up or Down (and Page Up or Page Down) in the closed box: the entry before
//   or after the one whose text the box shows; when the box shows a text that
//   is no entry, Down picks the first entry and Up the last; at either end of
//   the list the key does nothing.
// Not a pick: typing, Enter, leaving the box, the mouse wheel over the closed
// box, and any text set in code.
class EditableList : public QComboBox {
    Q_OBJECT

public:
    // An empty editable box that adds nothing the user types to its list.
    // auto *box = new EditableList(frame); box->addItem(" Read");
    explicit EditableList(QWidget *parent = nullptr);

    // Opens the list on the entry that the box shows, or on none when the box
    // shows a text of its own.
    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void pickNeighbour(int step);
};

} // namespace Corvane::Desktop
