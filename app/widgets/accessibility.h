// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

class QLabel;
class QString;
class QWidget;

// What a screen reader hears of the window follows what the window shows:
// - a label's accessible name is its current text (Qt's own rule for a label
//   without a name of its own);
// - a field, a drop-down box or a round mark is named by the current text of
//   the label beside it;
// - an output label's name is its current value (the caption beside it while
//   it shows nothing), and its description is that caption.
// Every label that names a control points at it (a "labelled by" relation).
// Qt announces each change of a name or a description to screen readers.
namespace Corvane::Desktop {

// Names `control` after `label` for screen readers, as above.
// nameAfterLabel(regTxt, regLbl): RegTxt is read as "Start Coil".
void nameAfterLabel(QWidget *control, QLabel *label);

// Sets a label's caption and renames the control that it names with it.
// setCaptionText(regLbl, "Start Register"): RegLbl and RegTxt both read "Start Register".
void setCaptionText(QLabel *label, const QString &caption);

// Reports a top-level QWidget to screen readers as a window, as a QMainWindow
// or a QDialog is, rather than as the filler that Qt makes of it; a screen
// reader announces a window's caption when it becomes active.
// readAsWindow(&mainWindow);
void readAsWindow(QWidget *window);

} // namespace Corvane::Desktop
