// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/request.h"
#include "master/addressingscheme.h"
#include "master/mastertranslation.h"

#include <optional>
#include <string>
#include <string_view>

// A link that carries a translation: the window's state as the fragment of
// the page's address, which no browser sends to a server. Short, versioned
// and readable, key=value pairs joined by "&":
//
//   v=1&mode=slave&address=N7:4/5&start=40001&count=10
//   v=1&mode=master&plc=5&format=NXYZ:Z&type=read&command=03&sub=00&register=1234&slave=5
//
// A message type, command or subfunction that is an entry of its box is
// written as its short name ("read", "write", "03", "00"); any other text,
// as typed, after an apostrophe ("'Read"). Text is percent-encoded where it
// would be ambiguous: "%", "&", "=", "#", blanks, controls and every byte
// beyond ASCII; the rest stays as typed.
namespace Corvane::Answers {

// The state a link carries: the mode and the fields the mode shows.
struct WindowLink {
    bool master = true;
    // Slave mode.
    std::string address; // DataFileTxt
    std::string start;   // StartRegTxt
    std::string count;   // NumRegTxt
    // Master mode: the selections and texts, as the translation reads them.
    Master::MasterWindowState state;
};

// The fragment of a state, without the "#".
// {slave, "N7:4/5", "40001", "10"} -> "v=1&mode=slave&address=N7:4/5&start=40001&count=10"
std::string linkFragment(const WindowLink &link);

// The window's state for a request: a master request's selections resolved
// as the command line reads them ("3" is the entry " 03 - ..."), or taken as
// typed when they name no entry, so that the window shows what was asked.
WindowLink requestLink(const Request &request);

// The state a fragment carries ("#" before it allowed); none when the
// fragment is not one of these links, or of another version.
// "#v=1&mode=slave&address=N7:0&start=40001&count=10" -> slave N7:0, 40001, 10;
// "#v=2&mode=slave" and "#junk" -> none.
std::optional<WindowLink> readLinkFragment(std::string_view fragment);

} // namespace Corvane::Answers
