// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/jsonobject.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

// nlohmann-json's SAX parser reads the text: it keeps its open brackets in a
// vector rather than on the stack, checks UTF-8 and hands floating-point
// numbers over as written. What it says of a fault is turned here into this
// program's words and the column of the byte at fault.
namespace Corvane::Answers {
namespace {

using Json = nlohmann::json;
constexpr std::size_t npos = std::string_view::npos;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0
// (Unicode's table of well-formed byte sequences: no overlong forms, no
// surrogates, nothing above U+10FFFF).
std::size_t utf8Length(std::string_view text)
{
    const auto byte = [&text](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
    };
    const auto continues = [&byte](std::size_t i, unsigned low = 0x80, unsigned high = 0xBF) {
        return byte(i) >= low && byte(i) <= high;
    };
    const unsigned first = byte(0);
    if (first < 0x80)
        return 1;
    if (first >= 0xC2 && first <= 0xDF)
        return continues(1) ? 2 : 0;
    if (first >= 0xE0 && first <= 0xEF) {
        const unsigned low = first == 0xE0 ? 0xA0 : 0x80;
        const unsigned high = first == 0xED ? 0x9F : 0xBF;
        return continues(1, low, high) && continues(2) ? 3 : 0;
    }
    if (first >= 0xF0 && first <= 0xF4) {
        const unsigned low = first == 0xF0 ? 0x90 : 0x80;
        const unsigned high = first == 0xF4 ? 0x8F : 0xBF;
        return continues(1, low, high) && continues(2) && continues(3) ? 4 : 0;
    }
    return 0;
}

// Where the column of a fault is counted from.
enum class ColumnOf {
    LastRead,       // the byte the parser read last (the end of the text past it)
    AfterLastRead,  // just after it: a \u escape read whole and then refused
    OffendingToken, // the start of the token that breaks the grammar
    AfterValue,     // the first byte after the top value that is not a blank
    BadSequence,    // the start of the first byte sequence that is not UTF-8
};

struct Fault {
    std::string_view problem;
    ColumnOf column;
};

// Where the parser was ("... while parsing object key - ") and what it met
// ("unexpected ']'; expected string literal", "invalid string: ..."), and the
// fault they stand for; the first row whose words both appear wins. The
// parser reads a whole token before it asks whether the token may stand
// there; a token that may not stand there is that fault, however it is
// broken inside.
struct FaultRow {
    std::string_view where; // empty: anywhere
    std::string_view met;   // empty: anything
    Fault fault;
};

constexpr std::array kFaults{
    FaultRow{{}, "; expected end of input", {"text after the value", ColumnOf::AfterValue}},
    FaultRow{"parsing object separator - ",
             {},
             {"expected ':' after the field name", ColumnOf::OffendingToken}},
    FaultRow{"parsing object - ", {}, {"expected ',' or '}'", ColumnOf::OffendingToken}},
    FaultRow{"parsing array - ", {}, {"expected ',' or ']'", ColumnOf::OffendingToken}},
    FaultRow{{}, "missing closing quote", {"a text is not closed", ColumnOf::LastRead}},
    FaultRow{{},
             "forbidden character after backslash",
             {"a text holds an unknown escape", ColumnOf::LastRead}},
    FaultRow{{},
             "must be followed by 4 hex digits",
             {"a \\u escape needs four hex digits", ColumnOf::LastRead}},
    FaultRow{{},
             "surrogate U+DC00..U+DFFF must follow",
             {"a \\u escape is half of a surrogate pair", ColumnOf::AfterLastRead}},
    FaultRow{{},
             "surrogate U+D800..U+DBFF must be followed",
             {"a \\u escape is half of a surrogate pair", ColumnOf::LastRead}},
    FaultRow{{},
             "control character",
             {"a control character stands unescaped in a text", ColumnOf::LastRead}},
    FaultRow{
        {}, "ill-formed UTF-8", {"a text holds bytes that are not UTF-8", ColumnOf::BadSequence}},
    FaultRow{"parsing object key - ",
             {},
             {"expected a text as the field name", ColumnOf::OffendingToken}},
    FaultRow{{}, "invalid number", {"a number is not complete", ColumnOf::LastRead}},
    FaultRow{{}, "unexpected end of input", {"the value is missing", ColumnOf::LastRead}},
    FaultRow{{}, {}, {"expected a value", ColumnOf::OffendingToken}},
};

constexpr Fault kNotClosed{"a text is not closed", ColumnOf::LastRead};

// A fault as the parser says it: "[json.exception.parse_error.101] parse
// error at line 1, column 9: syntax error while parsing object - invalid
// literal; last read: '1 x'; expected '}'" has `where` "... while parsing
// object - " and `met` "invalid literal; last read: '1 x'; expected '}'".
struct ParserFault {
    std::string_view where;
    std::string_view met;
    std::size_t position = 0; // the bytes read, the end of the text counted as one
};

ParserFault parserFault(std::string_view what, std::size_t position)
{
    const std::size_t dash = what.find(" - ", what.find("syntax error "));
    if (dash == npos)
        return {what, {}, position};
    return {what.substr(0, dash + 3), what.substr(dash + 3), position};
}

Fault faultOf(const ParserFault &fault, std::string_view text)
{
    for (const FaultRow &row : kFaults) {
        if ((row.where.empty() || fault.where.find(row.where) != npos) &&
            (row.met.empty() || fault.met.find(row.met) != npos)) {
            // An escape cut short by the end of the line leaves the text open.
            const bool escape = row.met == "forbidden character after backslash" ||
                                row.met == "must be followed by 4 hex digits";
            return escape && fault.position > text.size() ? kNotClosed : row.fault;
        }
    }
    return kFaults.back().fault;
}

// The bytes of a token as the parser quotes it: it writes a control
// character as "<U+0001>".
std::size_t rawLength(std::string_view quoted)
{
    std::size_t length = 0;
    for (std::size_t at = 0; at < quoted.size(); ++length) {
        const bool control =
            quoted.substr(at, 3) == "<U+" && quoted.size() - at >= 8 && quoted[at + 7] == '>';
        at += control ? 8 : 1;
    }
    return length;
}

// Where the token that broke the grammar begins. The parser read up to
// `end` (one past the text when it met the end) and names what it read: a
// complete token it did not expect ("unexpected string literal"), a text or
// a number broken inside ("invalid string: ...", "invalid number; ..."), or a
// word read only as far as it matches true, false or null ("invalid literal").
// `token` is the parser's quote of the bytes it read of a number or a text.
std::size_t tokenStart(std::string_view text, std::size_t end, std::string_view met,
                       std::string_view token)
{
    const std::size_t last = end - 1; // the byte read last
    const std::size_t readEnd = std::min(end, text.size());
    if (met.starts_with("unexpected string literal") ||
        met.starts_with("unexpected number literal") || met.starts_with("invalid number"))
        return readEnd - std::min(readEnd, rawLength(token));
    if (met.starts_with("invalid string")) {
        // The text's opening quote: quotes inside a text are escaped, by an
        // odd run of backslashes.
        for (std::size_t at = std::min(last, text.size()); at-- > 0;) {
            std::size_t backslashes = 0;
            while (backslashes < at && text[at - 1 - backslashes] == '\\')
                ++backslashes;
            if (text[at] == '"' && backslashes % 2 == 0)
                return at;
        }
        return 0;
    }
    for (const std::string_view word : {"true", "false", "null"}) {
        if (met.starts_with("unexpected " + std::string(word) + " literal"))
            return end - word.size();
    }
    if (met.starts_with("invalid literal")) {
        for (std::size_t start = last; start-- > 0 && last - start < 5;) {
            const char first = text[start];
            if (first != 't' && first != 'f' && first != 'n')
                continue;
            const std::string_view word = first == 't' ? "true" : first == 'f' ? "false" : "null";
            const std::size_t matched = last - start; // bytes of the word read before the break
            if (matched < word.size() && text.substr(start, matched) == word.substr(0, matched) &&
                (last >= text.size() || text[last] != word[matched]))
                return start;
        }
    }
    return last;
}

// The first byte of the first sequence in `text` that is not UTF-8.
std::size_t badSequenceStart(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t length = utf8Length(text.substr(at));
        if (length == 0)
            return at;
        at += length;
    }
    return at;
}

// How far the parser has read: the bytes, and whether it has looked past
// the last one.
struct ReadSoFar {
    std::size_t bytes = 0;
    bool ended = false;
};

// Hands the text to the parser byte by byte, counting what it reads, so that
// a value can be placed in the text.
class CountingReader {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char *;
    using reference = const char &;

    CountingReader(const char *at, ReadSoFar *read) : m_at(at), m_read(read) {}
    reference operator*() const { return *m_at; }
    CountingReader &operator++()
    {
        ++m_at;
        ++m_read->bytes;
        return *this;
    }
    // The parser asks before each byte whether the text has ended.
    bool operator==(const CountingReader &other) const
    {
        m_read->ended = m_at == other.m_at;
        return m_read->ended;
    }
    bool operator!=(const CountingReader &other) const { return !(*this == other); }

private:
    const char *m_at;
    ReadSoFar *m_read;
};

// A number too large for a double, which the parser refuses, read as a 0
// and blanks in its place: the rules read every number by its decimal text,
// so "1e999" is theirs to refuse. The blanks end the 0 where the number
// ended, so every byte after it keeps its column.
struct HugeNumber {
    std::size_t start;
    std::string lexeme;
};

// Keeps the members of the top object as the parser reads them, and what
// the parser said of a fault.
class MemberCollector {
public:
    explicit MemberCollector(const std::vector<HugeNumber> &huge) : m_huge(huge) {}

    bool null() { return scalar(JsonKind::Null, {}); }
    bool boolean(bool value) { return scalar(value ? JsonKind::True : JsonKind::False, {}); }
    // The parser hands integers over as values: their decimal text is the
    // text written, but for -0, the only integer written with a sign that it
    // reads as signed 0.
    bool number_integer(Json::number_integer_t value)
    {
        return number(value == 0 ? "-0" : std::to_string(value));
    }
    bool number_unsigned(Json::number_unsigned_t value) { return number(std::to_string(value)); }
    bool number_float(Json::number_float_t, const std::string &lexeme) { return number(lexeme); }
    bool string(std::string &text) { return scalar(JsonKind::Text, std::move(text)); }
    bool binary(Json::binary_t &) { return true; }
    bool start_object(std::size_t) { return open(JsonKind::Object); }
    bool start_array(std::size_t) { return open(JsonKind::Array); }
    bool end_object() { return close(); }
    bool end_array() { return close(); }
    bool key(std::string &name)
    {
        if (inTopObject())
            members.push_back({std::move(name), JsonKind::Null, {}});
        return true;
    }
    bool parse_error(std::size_t position, const std::string &token,
                     const nlohmann::detail::exception &fault)
    {
        failedAt = position;
        message = fault.what();
        overflowed = fault.id == 406;
        lastToken = token;
        return false;
    }

    ReadSoFar read;
    std::vector<JsonMember> members;
    bool topIsObject = false;
    std::size_t topEnd = 0; // where the top value ended, when it is complete
    std::size_t failedAt = 0;
    std::string message;
    bool overflowed = false; // the fault is a number too large for a double
    std::string lastToken;

private:
    bool number(std::string text)
    {
        // The parser reads one byte past a number, unless the text ends
        // there, to see the number end.
        const std::size_t end = read.ended ? read.bytes : read.bytes - 1;
        for (const HugeNumber &huge : m_huge) {
            if (huge.start + 1 == end)
                text = huge.lexeme;
        }
        if (m_depth == 0)
            topEnd = end;
        return scalar(JsonKind::Number, std::move(text));
    }
    bool scalar(JsonKind kind, std::string text)
    {
        if (m_depth == 0 && kind != JsonKind::Number) {
            topEnd = read.bytes;
        } else if (inTopObject()) {
            members.back().kind = kind;
            members.back().text = std::move(text);
        }
        return true;
    }
    bool open(JsonKind kind)
    {
        if (m_depth == 0)
            topIsObject = kind == JsonKind::Object;
        else if (inTopObject())
            members.back().kind = kind;
        ++m_depth;
        return true;
    }
    bool close()
    {
        if (--m_depth == 0)
            topEnd = read.bytes;
        return true;
    }
    // The members of the top object are its values one level down.
    bool inTopObject() const { return m_depth == 1 && topIsObject; }

    const std::vector<HugeNumber> &m_huge;
    int m_depth = 0;
};

// The column of a fault, counted from 1.
std::size_t columnOf(const Fault &fault, const ParserFault &said, std::string_view text,
                     const MemberCollector &collector)
{
    const std::size_t position = said.position;
    switch (fault.column) {
    case ColumnOf::LastRead:
        if (said.met.find("surrogate U+D800..U+DBFF must be followed") != npos) {
            // A high surrogate, then a second escape read whole that is no low
            // surrogate, or a backslash that begins no escape: where that began.
            const std::size_t last = position - 1;
            if (last < text.size() && last >= 5 && text[last - 5] == '\\' && text[last - 4] == 'u')
                return position + 1;
            if (last >= 1 && last - 1 < text.size() && text[last - 1] == '\\')
                return position - 1;
        }
        return position;
    case ColumnOf::AfterLastRead:
        return position + 1;
    case ColumnOf::OffendingToken:
        return tokenStart(text, position, said.met, collector.lastToken) + 1;
    case ColumnOf::AfterValue: {
        std::size_t end = collector.topEnd;
        while (end < text.size() && isBlank(text[end]))
            ++end;
        return end + 1;
    }
    case ColumnOf::BadSequence:
        break;
    }
    return badSequenceStart(text) + 1;
}

} // namespace

JsonObjectText readJsonObject(std::string_view text)
{
    JsonObjectText result;
    const auto invalid = [&result](std::string_view problem, std::size_t column) {
        result.shape = JsonShape::Invalid;
        result.members.clear();
        result.problem = std::string(problem) + " at column " + std::to_string(column);
        return result;
    };
    // The parser would skip a byte order mark, and take a NUL byte for the
    // end of the text; neither is JSON. A byte 01 stands in for a NUL: it
    // breaks the grammar, or a text, at the same column.
    if (text.starts_with('\xEF'))
        return invalid("expected a value", 1);
    std::string read(text);
    std::replace(read.begin(), read.end(), '\0', '\x01');

    std::vector<HugeNumber> huge;
    for (;;) {
        MemberCollector collector(huge);
        const bool parsed =
            Json::sax_parse(CountingReader(read.data(), &collector.read),
                            CountingReader(read.data() + read.size(), &collector.read), &collector);
        if (parsed) {
            result.shape = collector.topIsObject ? JsonShape::Object : JsonShape::OtherValue;
            if (collector.topIsObject)
                result.members = std::move(collector.members);
            return result;
        }
        if (collector.overflowed) {
            // The number ends where the parser stopped reading it.
            const std::size_t end = collector.failedAt;
            const std::size_t start = end - collector.lastToken.size();
            huge.push_back({start, collector.lastToken});
            read.replace(start, collector.lastToken.size(),
                         "0" + std::string(collector.lastToken.size() - 1, ' '));
            continue;
        }
        const ParserFault said = parserFault(collector.message, collector.failedAt);
        const Fault fault = faultOf(said, read);
        return invalid(fault.problem, columnOf(fault, said, read, collector));
    }
}

} // namespace Corvane::Answers
