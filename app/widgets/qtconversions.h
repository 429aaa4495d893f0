// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "subs/controltable.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <string>
#include <string_view>

// Conversions between the Qt-free tables of the rules and Qt's types, shared
// by the main window and the About window.
namespace Corvane::Desktop {

// "N7:0" -> QString "N7:0"; the tables hold UTF-8.
QString toQString(std::string_view text);

std::string toStdString(const QString &text);

// A text with CR LF line breaks as Qt shows line breaks.
// "Invalid Modbus Register/Coil\r\nA Modbus ..." -> "Invalid Modbus Register/Coil\nA Modbus ..."
QString toDisplayText(std::string_view text);

// {-120, 1800, 9615, 7695} twips -> QRect(-8, 120, 641, 513)
QRect toQRect(const Subs::TwipsRect &twips);

// {"Times New Roman", 14.25, bold} -> that face at 14.25 pt, bold.
QFont toQFont(const Subs::FontSpec &item);

// The faces of the design are Windows faces; elsewhere their metric-compatible
// twins keep every caption inside its box.
void installFontSubstitutes();

} // namespace Corvane::Desktop
