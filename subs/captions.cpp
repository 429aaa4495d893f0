// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "subs/captions.h"

namespace Corvane::Subs {
namespace {

// The caption puts the version at the far right of the title bar.
constexpr std::size_t kCaptionSpaces = 53;

} // namespace

std::string mainWindowCaption()
{
    return std::string(kProductName) + std::string(kCaptionSpaces, ' ') + "Ver " +
           std::string(kVersionText);
}

std::string aboutCaption() { return "About " + std::string(kApplicationTitle); }

std::string aboutVersionLine() { return "Version " + std::string(kVersionText); }

std::string aboutDescription()
{
    return "App Description\r\n\r\nThe " + std::string(kProductName) +
           " is designed to help users setup the mapping of Modbus registers / coils to "
           "Allan-Bradley Data files for both Master and Slave applications";
}

} // namespace Corvane::Subs
