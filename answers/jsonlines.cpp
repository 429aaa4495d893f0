// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/jsonlines.h"

#include "answers/answer.h"
#include "answers/jsonobject.h"
#include "answers/jsonwriter.h"
#include "answers/linereader.h"
#include "answers/resultfields.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace Corvane::Answers {
namespace {

// Beyond this many zeros a number is far outside every field's range (or far
// below one half), so more zeros would not change what the rules read.
constexpr long kMostZeros = 24;

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// Why a member of a request is not a text or a number, or nothing.
std::string_view kindProblem(JsonKind kind)
{
    switch (kind) {
    case JsonKind::True:
    case JsonKind::False:
        return "must be a text or a number, not true or false";
    case JsonKind::Object:
        return "must be a text or a number, not an object";
    case JsonKind::Array:
        return "must be a text or a number, not an array";
    default:
        return {};
    }
}

} // namespace

std::string jsonNumberText(std::string_view lexeme)
{
    std::string_view rest = lexeme;
    std::string sign;
    if (!rest.empty() && rest.front() == '-') {
        sign = "-";
        rest.remove_prefix(1);
    }
    std::string digits;
    long pointAfter = -1; // how many digits stand before the decimal point
    long exponent = 0;
    std::size_t i = 0;
    for (; i < rest.size() && rest[i] != 'e' && rest[i] != 'E'; ++i) {
        if (rest[i] == '.')
            pointAfter = static_cast<long>(digits.size());
        else
            digits += rest[i];
    }
    if (pointAfter < 0)
        pointAfter = static_cast<long>(digits.size());
    if (i < rest.size()) {
        ++i;
        bool negative = false;
        if (i < rest.size() && (rest[i] == '+' || rest[i] == '-'))
            negative = rest[i++] == '-';
        for (; i < rest.size(); ++i)
            exponent = std::min(exponent * 10 + (rest[i] - '0'), 1'000'000L);
        if (negative)
            exponent = -exponent;
    }
    // Shift the point, then trim zeros that carry no value.
    const long point = std::clamp(pointAfter + exponent, -kMostZeros,
                                  static_cast<long>(digits.size()) + kMostZeros);
    if (point <= 0)
        digits.insert(0, static_cast<std::size_t>(1 - point), '0');
    else if (point > static_cast<long>(digits.size()))
        digits.append(static_cast<std::size_t>(point) - digits.size(), '0');
    const std::size_t pointAt = static_cast<std::size_t>(std::max(point, 1L));
    std::string whole = digits.substr(0, pointAt);
    std::string fraction = digits.substr(pointAt);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    std::string text = sign + whole;
    if (!fraction.empty())
        text += "." + fraction;
    return text;
}

std::variant<Request, RequestError> requestFromJsonLine(std::string_view line)
{
    if (isBlank(line))
        return RequestError{"empty line: a request must be a JSON object"};
    const JsonObjectText object = readJsonObject(line);
    if (object.shape == JsonShape::Invalid)
        return RequestError{"not valid JSON: " + object.problem};
    if (object.shape == JsonShape::OtherValue)
        return RequestError{"a request must be a JSON object"};

    std::vector<NamedField> fields;
    for (std::size_t i = 0; i < object.members.size(); ++i) {
        const JsonMember &member = object.members[i];
        for (std::size_t j = 0; j < i; ++j) {
            if (object.members[j].name == member.name)
                return RequestError{"field " + quotedText(member.name) + " is given twice"};
        }
        if (const std::string_view problem = kindProblem(member.kind); !problem.empty())
            return RequestError{"field " + quotedText(member.name) + " " + std::string(problem)};
    }
    std::vector<std::string> numbers(object.members.size());
    for (std::size_t i = 0; i < object.members.size(); ++i) {
        const JsonMember &member = object.members[i];
        if (member.kind == JsonKind::Null)
            continue;
        if (member.kind == JsonKind::Number) {
            numbers[i] = jsonNumberText(member.text);
            fields.push_back({member.name, numbers[i]});
        } else {
            fields.push_back({member.name, member.text});
        }
    }
    return requestFromFields(fields, true);
}

RunResult runJsonLines(InputBuffer &in, Output &out, Readings readings, StopRequested stop)
{
    RunResult result;
    std::int64_t lineNumber = 0;
    LineReader reader(in);
    JsonWriter json(out);
    std::string_view line;
    while (!out.failed()) {
        const LineReader::Read read = reader.next(line);
        if (read == LineReader::Read::End)
            break;
        // A line read when the stop was asked for may be cut short.
        if (stop && stop()) {
            result.stopped = true;
            break;
        }
        ++lineNumber;
        Answer answer;
        if (read == LineReader::Read::Overlong) {
            answer = invalid(overlongMessage("the line"));
        } else {
            const auto request = requestFromJsonLine(line);
            if (const auto *error = std::get_if<RequestError>(&request))
                answer = invalid(error->message);
            else
                answer = translate(std::get<Request>(request), readings);
        }
        if (answer.status == Status::Invalid)
            result.clean = false;
        writeJson(json, answer, "line", lineNumber);
        out.put('\n');
        result.answered = lineNumber;
    }
    return result;
}

} // namespace Corvane::Answers
