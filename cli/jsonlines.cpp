#include "cli/jsonlines.h"

#include "cli/outcome.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <vector>

namespace Corvane::Cli {
namespace {

using Json = nlohmann::json;

// Beyond this many zeros a number is far outside every field's range (or far
// below one half), so more zeros would not change what the rules read.
constexpr long kMostZeros = 24;

// Collects the fields of one flat object without building a document, and
// keeps the text of fractional numbers exactly as written.
class RequestReader : public nlohmann::json_sax<Json> {
public:
    std::vector<std::string> names;
    std::vector<std::string> values;
    std::vector<bool> given;
    std::string error;

    bool null() override { return value(std::nullopt); }
    bool boolean(bool) override { return fail("must be a text or a number, not true or false"); }
    bool number_integer(number_integer_t number) override { return value(std::to_string(number)); }
    bool number_unsigned(number_unsigned_t number) override
    {
        return value(std::to_string(number));
    }
    bool number_float(number_float_t, const string_t &lexeme) override
    {
        return value(jsonNumberText(lexeme));
    }
    bool string(string_t &text) override { return value(text); }
    bool binary(binary_t &) override { return fail("must be a text or a number"); }
    bool start_object(std::size_t) override
    {
        if (m_depth++ == 0)
            return true;
        return fail("must be a text or a number, not an object");
    }
    bool key(string_t &name) override
    {
        if (std::find(names.begin(), names.end(), name) != names.end()) {
            error = "field \"" + name + "\" is given twice";
            return false;
        }
        names.push_back(name);
        return true;
    }
    bool end_object() override
    {
        --m_depth;
        return true;
    }
    bool start_array(std::size_t) override
    {
        if (m_depth == 0) {
            error = "a request must be a JSON object";
            return false;
        }
        return fail("must be a text or a number, not an array");
    }
    bool end_array() override { return true; }
    bool parse_error(std::size_t, const std::string &,
                     const nlohmann::detail::exception &ex) override
    {
        std::string message = ex.what();
        // "[json.exception.parse_error.101] parse error at ..." -> "parse error at ..."
        if (const std::size_t bracket = message.find("] "); bracket != std::string::npos)
            message.erase(0, bracket + 2);
        error = "not valid JSON: " + message;
        return false;
    }

private:
    bool value(std::optional<std::string> text)
    {
        if (m_depth == 0) {
            error = "a request must be a JSON object";
            return false;
        }
        values.push_back(text.value_or(std::string()));
        given.push_back(text.has_value());
        return true;
    }
    bool fail(const std::string &what)
    {
        if (m_depth == 0)
            error = "a request must be a JSON object";
        else
            error = "field \"" + names.back() + "\" " + what;
        return false;
    }

    int m_depth = 0;
};

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
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
    RequestReader reader;
    if (!Json::sax_parse(line, &reader))
        return RequestError{reader.error};
    std::vector<NamedField> fields;
    for (std::size_t i = 0; i < reader.names.size(); ++i) {
        if (reader.given[i])
            fields.push_back({reader.names[i], reader.values[i]});
    }
    return requestFromFields(fields, true);
}

std::string dumpLine(const nlohmann::ordered_json &json)
{
    return json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

int runJsonLines(std::istream &in, std::ostream &out)
{
    int status = 0;
    long lineNumber = 0;
    std::string line;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto request = requestFromJsonLine(line);
        Outcome outcome;
        if (const auto *error = std::get_if<RequestError>(&request))
            outcome = invalid(error->message);
        else
            outcome = translate(std::get<Request>(request));
        if (outcome.status == Status::Invalid)
            status = 2;
        out << dumpLine(toJson(outcome, "line", lineNumber)) << '\n';
    }
    out.flush();
    return status;
}

} // namespace Corvane::Cli
