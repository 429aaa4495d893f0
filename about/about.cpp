// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "about/about.h"

#include "app/widgets/qtconversions.h"
#include "subs/captions.h"

#include <QLabel>
#include <QPushButton>

namespace Corvane::Desktop {

using Subs::Control;

About::About(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("About"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    installFontSubstitutes();
    setFixedSize(toQRect(Subs::kAboutClientTwips).size());
    m_controls.build(Subs::aboutWindowControls(), this);

    // OK is both the default and the cancel button: Enter presses it, and
    // Escape rejects the dialog, which closes it the same way.
    auto *ok = m_controls.widget<QPushButton>(Control::cmdOK);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &About::cmdOK_Click);

    Form_Load();
}

void About::Form_Load()
{
    const auto caption = [this](Control control, const QString &text) {
        m_controls.widget<QLabel>(control)->setText(text);
    };
    // Screen readers read each label by the text it shows.
    setWindowTitle(toQString(Subs::aboutCaption()));
    caption(Control::lblVersion, toQString(Subs::aboutVersionLine()));
    caption(Control::lblTitle, toQString(kApplicationTitle));
    caption(Control::lblDescription, toQString(Subs::aboutDescription()));
}

void About::cmdOK_Click() { close(); }

} // namespace Corvane::Desktop
