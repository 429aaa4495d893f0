// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "app/widgets/errorbox.h"

#include "app/widgets/qtconversions.h"
#include "errors/errormessages.h"

#include <QMessageBox>

namespace Corvane::Desktop {

void ShowErrorBox(QWidget *parent, std::int16_t code)
{
    QMessageBox box(QMessageBox::Critical, toQString(Errors::kErrorBoxTitle),
                    toDisplayText(Errors::errorText(code)), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace Corvane::Desktop
