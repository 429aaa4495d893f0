// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

class QWidget;

namespace Corvane::Desktop {

// Shows the modal error box for `code` over `parent`: the title
// "An Error has Occured!", a critical icon, the code's lines and one OK
// button. Returns when the user has closed it. Code 14 shows an empty text.
void ShowErrorBox(QWidget *parent, std::int16_t code);

} // namespace Corvane::Desktop
