#pragma once

#include "cli/request.h"

#include <nlohmann/json.hpp>

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

// Requests as JSON Lines: one JSON object per line in, one result object per
// line out, in order.
namespace Corvane::Cli {

// The decimal text of a JSON number as written, without an exponent, so that
// the window's number rules read exactly the value typed.
// "40001" -> "40001", "2.5" -> "2.5", "1e3" -> "1000", "-25E-1" -> "-2.5".
std::string jsonNumberText(std::string_view lexeme);

// One line read as a request: an object whose values are texts or numbers
// (numbers read as their decimal text; null counts as missing).
// {"mode":"slave","address":"N7:0","start":40001,"count":"10"} -> SlaveTexts.
std::variant<Request, RequestError> requestFromJsonLine(std::string_view line);

// Writes one result line per input line and returns the exit status: 0 when
// every line was a valid request, 2 otherwise. Refused translations are valid
// requests; their lines carry the error box's code and message.
int runJsonLines(std::istream &in, std::ostream &out);

// The JSON text of a result line: compact, invalid UTF-8 replaced.
std::string dumpLine(const nlohmann::ordered_json &json);

} // namespace Corvane::Cli
