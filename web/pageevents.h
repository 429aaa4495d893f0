// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "subs/control.h"
#include "web/webform.h"

#include <optional>
#include <span>
#include <string_view>

// The user's clicks and picks on the page's main window, run by the window's
// own handlers. After a translation the page also shows the details line of
// the answer under it.
namespace Corvane::Web {

// A result box and the answer labels that its details line describes.
struct AnswerBox {
    Subs::Control box;
    std::span<const Subs::Control> answers;
};

// MasterTransFrm with DTATxt, SlaveTransFrm with the four slave answers.
std::span<const AnswerBox> answerBoxes();

// The main window's control of a name, read once where the page calls in.
// "RegTxt" -> Control::RegTxt; "picIcon" -> none (the About window's).
std::optional<Subs::Control> mainWindowControlNamed(std::string_view name);

// Runs the handler of a click or pick on `control`; false when the window
// handles none there (Exit and About are the page's own).
// (MesTypeLst, form) -> MesTypeLst_Click(form), true.
bool runEvent(Subs::Control control, WebForm &form);

} // namespace Corvane::Web
