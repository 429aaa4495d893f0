// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/widgets/controlwidgets.h"

#include <QDialog>

namespace Corvane::Desktop {

// The modeless About window: the application's title, version and description.
// It deletes itself when closed, so the next showing builds it anew.
class About : public QDialog {
    Q_OBJECT

public:
    explicit About(QWidget *parent = nullptr);

private:
    void Form_Load();
    void cmdOK_Click();

    ControlWidgets m_controls;
};

} // namespace Corvane::Desktop
