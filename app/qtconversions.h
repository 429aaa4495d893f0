#pragma once

#include "app/rules/controltable.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <string>
#include <string_view>

// Conversions between the Qt-free tables of the core and Qt's types, shared by
// the main window and the About window.
namespace Corvane::Subs {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString &text) { return text.toStdString(); }

inline QRect toQRect(const TwipsRect &twips)
{
    const PixelRect pixels = toPixels(twips);
    return {pixels.x, pixels.y, pixels.width, pixels.height};
}

inline QFont toQFont(const FontSpec &item)
{
    QFont font(toQString(item.face));
    font.setPointSizeF(item.pointSize);
    font.setBold(item.bold);
    return font;
}

// The faces of the design are Windows faces; elsewhere their metric-compatible
// twins keep every caption inside its box.
inline void installFontSubstitutes()
{
    QFont::insertSubstitution(toQString(kSerifFace), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(toQString(kDialogFace), QStringLiteral("Liberation Sans"));
}

} // namespace Corvane::Subs
