// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/joinedtext.h"

#include <corvane/version.h>

#include <string>
#include <string_view>

// The texts that name the application: the main window's caption and title,
// and what the About window shows. The title and the version come from the
// build; these only arrange them.
namespace Corvane::Subs {

inline constexpr std::string_view kProductLine = "Allan-Bradley / Modicon";
inline constexpr std::string_view kSpace = " ";
inline constexpr std::string_view kLineBreak = "\r\n";

// "Allan-Bradley / Modicon Corvane"
inline constexpr std::string_view kProductName =
    Text::kJoined<kProductLine, kSpace, kApplicationTitle>;

// The title box's text: the product line and the title, each ended by a line break.
inline constexpr std::string_view kTitleBoxText =
    Text::kJoined<kProductLine, kLineBreak, kApplicationTitle, kLineBreak>;

// "Allan-Bradley / Modicon Corvane", 53 spaces, "Ver 1.3".
std::string mainWindowCaption();

// "About Corvane"
std::string aboutCaption();

// "Version 1.3": major and minor only, without leading zeros.
std::string aboutVersionLine();

// "App Description", an empty line, then the paragraph; line breaks are CR LF.
std::string aboutDescription();

} // namespace Corvane::Subs
