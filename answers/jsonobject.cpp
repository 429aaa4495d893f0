// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/jsonobject.h"

#include "core/characters.h"

#include <cstdint>

namespace Corvane::Answers {
namespace {

using Text::isDigit;

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

void appendUtf8(std::string &out, std::uint32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// A recursive-descent reader would let a deep nest of brackets exhaust the
// stack; this one keeps the open brackets in a vector instead.
class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    JsonObjectText read()
    {
        JsonObjectText result;
        skipBlanks();
        const bool object = at('{');
        const bool valid = object ? readMembers(result.members) : skipValue();
        if (valid) {
            skipBlanks();
            if (m_at < m_text.size())
                fail("text after the value");
        }
        if (!m_problem.empty()) {
            result.members.clear();
            result.problem = m_problem + " at column " + std::to_string(m_at + 1);
            return result;
        }
        result.shape = object ? JsonShape::Object : JsonShape::OtherValue;
        return result;
    }

private:
    bool at(char c) const { return m_at < m_text.size() && m_text[m_at] == c; }
    bool fail(const char *problem)
    {
        if (m_problem.empty())
            m_problem = problem;
        return false;
    }
    void skipBlanks()
    {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t' ||
                                        m_text[m_at] == '\n' || m_text[m_at] == '\r'))
            ++m_at;
    }
    bool expect(char c, const char *problem)
    {
        skipBlanks();
        if (!at(c))
            return fail(problem);
        ++m_at;
        return true;
    }

    // The top object, keeping its members.
    bool readMembers(std::vector<JsonMember> &members)
    {
        ++m_at;
        skipBlanks();
        if (at('}')) {
            ++m_at;
            return true;
        }
        for (;;) {
            JsonMember member;
            skipBlanks();
            if (!at('"'))
                return fail("expected a text as the field name");
            if (!readText(&member.name) || !expect(':', "expected ':' after the field name"))
                return false;
            skipBlanks();
            if (!readMemberValue(member))
                return false;
            members.push_back(std::move(member));
            skipBlanks();
            if (at('}')) {
                ++m_at;
                return true;
            }
            if (!expect(',', "expected ',' or '}'"))
                return false;
        }
    }

    bool readMemberValue(JsonMember &member)
    {
        if (m_at >= m_text.size())
            return fail("the value is missing");
        switch (m_text[m_at]) {
        case '"':
            member.kind = JsonKind::Text;
            return readText(&member.text);
        case '{':
            member.kind = JsonKind::Object;
            return skipValue();
        case '[':
            member.kind = JsonKind::Array;
            return skipValue();
        case 't':
            member.kind = JsonKind::True;
            return readWord("true");
        case 'f':
            member.kind = JsonKind::False;
            return readWord("false");
        case 'n':
            member.kind = JsonKind::Null;
            return readWord("null");
        default:
            member.kind = JsonKind::Number;
            return readNumber(&member.text);
        }
    }

    // Any value, nested as deep as the text goes.
    bool skipValue()
    {
        std::vector<char> open; // the closing bracket of each open container
        for (;;) {
            skipBlanks();
            if (at('{') || at('[')) {
                const bool object = at('{');
                ++m_at;
                skipBlanks();
                if (at(object ? '}' : ']')) {
                    ++m_at;
                } else {
                    open.push_back(object ? '}' : ']');
                    if (object && !readFieldName())
                        return false;
                    continue;
                }
            } else if (!skipScalar()) {
                return false;
            }
            // After a value: close what ends here, or go on to the next item.
            for (;;) {
                if (open.empty())
                    return true;
                skipBlanks();
                if (at(open.back())) {
                    ++m_at;
                    open.pop_back();
                    continue;
                }
                if (!at(','))
                    return fail(open.back() == '}' ? "expected ',' or '}'" : "expected ',' or ']'");
                ++m_at;
                if (open.back() == '}' && !readFieldName())
                    return false;
                break;
            }
        }
    }

    bool readFieldName()
    {
        skipBlanks();
        if (!at('"'))
            return fail("expected a text as the field name");
        return readText(nullptr) && expect(':', "expected ':' after the field name");
    }

    bool skipScalar()
    {
        if (m_at >= m_text.size())
            return fail("the value is missing");
        switch (m_text[m_at]) {
        case '"':
            return readText(nullptr);
        case 't':
            return readWord("true");
        case 'f':
            return readWord("false");
        case 'n':
            return readWord("null");
        default:
            return readNumber(nullptr);
        }
    }

    bool readWord(std::string_view word)
    {
        if (m_text.substr(m_at, word.size()) != word)
            return fail("expected a value");
        m_at += word.size();
        return true;
    }

    // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    bool readNumber(std::string *lexeme)
    {
        const std::size_t start = m_at;
        const auto digits = [this] {
            const std::size_t first = m_at;
            while (m_at < m_text.size() && isDigit(m_text[m_at]))
                ++m_at;
            return m_at > first;
        };
        if (at('-'))
            ++m_at;
        if (m_at >= m_text.size() || !isDigit(m_text[m_at]))
            return fail(m_at == start ? "expected a value" : "a number is not complete");
        if (at('0'))
            ++m_at;
        else
            digits();
        if (at('.')) {
            ++m_at;
            if (!digits())
                return fail("a number is not complete");
        }
        if (at('e') || at('E')) {
            ++m_at;
            if (at('+') || at('-'))
                ++m_at;
            if (!digits())
                return fail("a number is not complete");
        }
        if (lexeme)
            lexeme->assign(m_text.substr(start, m_at - start));
        return true;
    }

    bool readHex4(std::uint32_t &value)
    {
        value = 0;
        for (int i = 0; i < 4; ++i, ++m_at) {
            if (m_at >= m_text.size())
                return fail("a text is not closed");
            const char c = m_text[m_at];
            unsigned digit = 0;
            if (isDigit(c))
                digit = static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                digit = static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                digit = static_cast<unsigned>(c - 'A' + 10);
            else
                return fail("a \\u escape needs four hex digits");
            value = value * 16 + digit;
        }
        return true;
    }

    // \uD83D\uDE00 -> U+1F600; a surrogate that is not half of a pair is no character.
    bool readEscapedCharacter(std::string *text)
    {
        std::uint32_t codePoint = 0;
        if (!readHex4(codePoint))
            return false;
        if (codePoint >= 0xDC00 && codePoint <= 0xDFFF)
            return fail("a \\u escape is half of a surrogate pair");
        if (codePoint >= 0xD800 && codePoint <= 0xDBFF) {
            std::uint32_t low = 0;
            if (m_text.substr(m_at, 2) != "\\u")
                return fail("a \\u escape is half of a surrogate pair");
            m_at += 2;
            if (!readHex4(low))
                return false;
            if (low < 0xDC00 || low > 0xDFFF)
                return fail("a \\u escape is half of a surrogate pair");
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
        }
        if (text)
            appendUtf8(*text, codePoint);
        return true;
    }

    bool readText(std::string *text)
    {
        ++m_at; // the opening quote
        for (;;) {
            if (m_at >= m_text.size())
                return fail("a text is not closed");
            const char c = m_text[m_at];
            if (c == '"') {
                ++m_at;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return fail("a control character stands unescaped in a text");
            if (c == '\\') {
                ++m_at;
                if (m_at >= m_text.size())
                    return fail("a text is not closed");
                static constexpr std::string_view kEscapes = "\"\\/bfnrt";
                static constexpr std::string_view kMeanings = "\"\\/\b\f\n\r\t";
                const std::size_t escape = kEscapes.find(m_text[m_at]);
                ++m_at;
                if (m_text[m_at - 1] == 'u') {
                    if (!readEscapedCharacter(text))
                        return false;
                } else if (escape == std::string_view::npos) {
                    --m_at;
                    return fail("a text holds an unknown escape");
                } else if (text) {
                    *text += kMeanings[escape];
                }
                continue;
            }
            const std::size_t length = utf8Length(m_text.substr(m_at));
            if (length == 0)
                return fail("a text holds bytes that are not UTF-8");
            if (text)
                text->append(m_text.substr(m_at, length));
            m_at += length;
        }
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::string m_problem;
};

} // namespace

JsonObjectText readJsonObject(std::string_view text) { return Reader(text).read(); }

} // namespace Corvane::Answers
