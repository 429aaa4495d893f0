// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/input.h"
#include "answers/mappingtable.h"
#include "answers/output.h"
#include "answers/request.h"

#include <string>
#include <string_view>
#include <variant>

// Requests as JSON Lines: one JSON object per line in, one result object per
// line out, in order.
namespace Corvane::Answers {

// The decimal text of a JSON number as written, without an exponent, so that
// the window's number rules read exactly the value typed.
// "40001" -> "40001", "2.5" -> "2.5", "1e3" -> "1000", "-25E-1" -> "-2.5".
std::string jsonNumberText(std::string_view lexeme);

// One line read as a request: a JSON object, with blanks around it at most,
// whose values are texts or numbers (numbers read as their decimal text; null
// counts as missing).
// {"mode":"slave","address":"N7:0","start":40001,"count":"10"} -> SlaveTexts.
std::variant<Request, RequestError> requestFromJsonLine(std::string_view line);

// Writes one result line per input line; clean when every line was a valid
// request. Refused translations are valid
// requests; their lines carry the error box's code and message. A line longer
// than kLongestRecord bytes gets an error line, and the lines after it are
// read as usual. Stops early when the output fails; the caller asks `in` and
// `out` for errors.
RunResult runJsonLines(InputBuffer &in, Output &out, Readings readings = Readings::Warn,
                       StopRequested stop = nullptr);

} // namespace Corvane::Answers
