// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/jsonwriter.h"

#include <nlohmann/json.hpp>

#include <array>
#include <string>

namespace Corvane::Answers {

void JsonWriter::open(char bracket)
{
    separate();
    m_out.put(bracket);
    ++m_depth;
    m_hasItem &= ~(1ull << m_depth);
}

void JsonWriter::close(char bracket)
{
    --m_depth;
    m_out.put(bracket);
}

void JsonWriter::key(std::string_view name)
{
    // Names are this program's own: plain ASCII, no quote, no backslash.
    separate();
    char *to = m_out.room(name.size() + 3);
    to[0] = '"';
    detail::copyBytes(to + 1, name.data(), name.size());
    to[name.size() + 1] = '"';
    to[name.size() + 2] = ':';
    m_out.advance(name.size() + 3);
    m_afterKey = true;
}

void JsonWriter::writeText(std::string_view text)
{
    static constexpr std::string_view kHexDigits = "0123456789abcdef";
    // The bytes a text cannot hold as they are: controls, quote, backslash,
    // and everything beyond ASCII, which may need replacing.
    static constexpr std::array<bool, 256> kNeedsCare = [] {
        std::array<bool, 256> table{};
        for (std::size_t c = 0; c < table.size(); ++c)
            table[c] = c < 0x20 || c == '"' || c == '\\' || c >= 0x80;
        return table;
    }();
    std::size_t first = 0;
    while (first < text.size() && !kNeedsCare[static_cast<unsigned char>(text[first])])
        ++first;
    if (first == text.size() && text.size() <= Output::kLongestSmallWrite - 2) {
        char *to = m_out.room(text.size() + 2);
        to[0] = '"';
        detail::copyBytes(to + 1, text.data(), text.size());
        to[text.size() + 1] = '"';
        m_out.advance(text.size() + 2);
        return;
    }
    if (first == text.size()) {
        m_out.put('"');
        m_out.write(text);
        m_out.put('"');
        return;
    }
    for (const char c : text.substr(first)) {
        // Non-ASCII text is rare here (a user's text quoted in an error) and
        // may be ill-formed: the library's serializer replaces bad bytes.
        if (static_cast<unsigned char>(c) >= 0x80) {
            m_out.write(nlohmann::json(std::string(text))
                            .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
            return;
        }
    }
    m_out.put('"');
    std::size_t plain = 0; // the start of the run not yet written
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        m_out.write(text.substr(plain, i - plain));
        plain = i + 1;
        m_out.put('\\');
        // The characters JSON escapes with a letter, and those letters.
        static constexpr std::string_view kEscaped = "\"\\\b\t\n\f\r";
        static constexpr std::string_view kLetters = "\"\\btnfr";
        if (const std::size_t letter = kEscaped.find(static_cast<char>(c));
            letter != std::string_view::npos) {
            m_out.put(kLetters[letter]);
        } else {
            m_out.write("u00");
            m_out.put(kHexDigits[c >> 4]);
            m_out.put(kHexDigits[c & 0xF]);
        }
    }
    m_out.write(text.substr(plain));
    m_out.put('"');
}

} // namespace Corvane::Answers
