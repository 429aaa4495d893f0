#include "subs.h"

#include "app/qtconversions.h"
#include "errors/errormessages.h"

#include <QMessageBox>

namespace Corvane::Subs {

QString toDisplayText(std::string_view text)
{
    return toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void ShowErrorBox(QWidget *parent, std::int16_t code)
{
    QMessageBox box(QMessageBox::Critical, toQString(kErrorBoxTitle),
                    toDisplayText(errorText(code)), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace Corvane::Subs
