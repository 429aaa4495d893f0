// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "master/commands.h"
#include "master/mastertranslation.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// One request, as texts typed into the window's fields, and the window state
// it stands for.
namespace Corvane::Answers {

// The three slave fields, verbatim; a field not given is the empty text.
struct SlaveTexts {
    std::string address; // DataFileTxt
    std::string start;   // StartRegTxt
    std::string count;   // NumRegTxt
};

// The master selections and fields. A selection not given takes the window's
// start-up value; register and slave not given are empty texts.
struct MasterTexts {
    std::optional<std::string> plc;         // "5" or "3"
    std::optional<std::string> format;      // "NXYY:Z", "NXYZ:Z" or "NYXZ:Z"
    std::optional<std::string> messageType; // verbatim, or "read" / "write"
    std::optional<std::string> command;     // verbatim, or a function number "03", "3"
    std::optional<std::string> subfunction; // verbatim
    std::string registerText;
    std::string slave;
};

using Request = std::variant<SlaveTexts, MasterTexts>;

// A request that cannot be translated at all, and why. A refusal is a
// request whose texts name nothing the rules know (a command that is none);
// the others do not say what to translate.
struct RequestError {
    std::string message;
    bool refusal = false;
};

// The window state of a request as the command line reads it: the defaults
// and the shortcuts applied. A command is named by its entry's text, blanks
// around it aside, or by its function number: "3" and " 03 - Read Holding
// Registers  (4X) " are " 03 - Read Holding Registers  (4X)"; any other text
// is refused. "write" as a message type is " Write", and a missing message
// type follows the command.
// {command "16"} -> PLC-5, NXYY:Z, " Write", " 16 - Pre-set Multiple Registers  (4X)";
// {plc "4"} -> error "plc must be 5 or 3, not \"4\"".
std::variant<Master::MasterWindowState, RequestError> resolveMaster(const MasterTexts &texts);

// The window state of a request whose texts are the window's own, taken
// verbatim, as the page's script gives them: a missing text is the empty
// text, a plc other than "3" is PLC-5 and a format none of the three NXYY:Z.
// {plc "3", command "3"} -> PLC-3, NXYY:Z, message type "", command "3".
Master::MasterWindowState verbatimState(const MasterTexts &texts);

// One named field of a JSON object or a CSV row; names not listed are missing.
// Both views must outlive the request read from them.
struct NamedField {
    std::string_view name;
    std::string_view value;
};

// A request read from named fields. A mixed CSV file carries the other mode's
// columns on every row, so only a JSON object, where `strict` is set, is
// refused for holding a field of the other mode.
// {mode "slave", address "N7:0"} -> SlaveTexts{"N7:0", "", ""};
// {mode "other"} -> error; strict {mode "slave", register "5"} -> error.
std::variant<Request, RequestError> requestFromFields(std::span<const NamedField> fields,
                                                      bool strict);

// A user's text as an error message quotes it: in double quotes, cut after
// 80 characters so that a huge text cannot flood the message, its control
// characters escaped so that a message stays on one line.
// "PLC-5" -> "\"PLC-5\""; 100 x "9" -> "\"" + 80 x "9" + "\"..."; "a\nb" -> "\"a\\nb\""
std::string quotedText(std::string_view text);

// A text with its control characters escaped as C writes them, for one line
// of a message: "a\tb\n" -> "a\\tb\\n", "\x01" -> "\\x01".
std::string escapedText(std::string_view text);

// A name as names are matched, blanks around it aside and its letters in
// lower case: " Mode " -> "mode", " Read" -> "read".
std::string foldedName(std::string_view text);

// The command a text names: its entry's text, blanks around it aside, or its
// function number. "3", "03" and "  03 - Read Holding Registers  (4X) " -> 03;
// "03 - x", "99" and "" -> none.
const Master::ModbusCommand *commandNamed(std::string_view text);

// Why a PLC type or PLC-5 format named in a request or an option is none:
// "plc must be 5 or 3, not \"4\""; "format must be NXYY:Z, NXYZ:Z or NYXZ:Z, not \"x\""
std::string badPlcMessage(std::string_view name);
std::string badFormatMessage(std::string_view name);

// True for "mode" and the fields of either mode: "address", "register", ...
bool isRequestField(std::string_view name);

} // namespace Corvane::Answers
