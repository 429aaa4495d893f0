// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "web/provisional/form.h"

#include <string_view>

// The main window's handlers acting on a Form, until the rules layer carries
// them: the same steps as the Qt window's handlers, on the same core rules.
namespace Corvane::Web {

using Handler = void (*)(Form &);

// The handler of an event named as the window names it, or null.
// handlerNamed("MesTypeLst_Click") -> MesTypeLst_Click; handlerNamed("x") -> nullptr
Handler handlerNamed(std::string_view name);

} // namespace Corvane::Web
