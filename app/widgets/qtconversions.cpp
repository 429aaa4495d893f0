// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "app/widgets/qtconversions.h"

namespace Corvane::Desktop {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toStdString(const QString &text) { return text.toStdString(); }

QString toDisplayText(std::string_view text)
{
    return toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QRect toQRect(const Subs::TwipsRect &twips)
{
    const Subs::PixelRect pixels = Subs::toPixels(twips);
    return {pixels.x, pixels.y, pixels.width, pixels.height};
}

QFont toQFont(const Subs::FontSpec &item)
{
    QFont font(toQString(item.face));
    font.setPointSizeF(item.pointSize);
    font.setBold(item.bold);
    return font;
}

void installFontSubstitutes()
{
    QFont::insertSubstitution(toQString(Subs::kSerifFace), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(toQString(Subs::kDialogFace), QStringLiteral("Liberation Sans"));
}

} // namespace Corvane::Desktop
