// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/output.h"

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Compact JSON written straight into an Output, without building a document:
// a batch writes a million result objects. Texts are escaped as JSON needs;
// bytes that are not UTF-8 become U+FFFD.
namespace Corvane::Answers {

class JsonWriter {
public:
    explicit JsonWriter(Output &out) : m_out(out) {}

    // beginObject(); member("ok", true); member("file", 7); endObject() -> {"ok":true,"file":7}
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    void key(std::string_view name);

    void value(bool flag)
    {
        separate();
        m_out.write(flag ? std::string_view("true") : std::string_view("false"));
    }
    template <std::integral Number>
    requires(!std::same_as<Number, bool>) void value(Number number)
    {
        separate();
        m_out.number(number);
    }
    void value(std::string_view text)
    {
        separate();
        writeText(text);
    }
    void value(const char *text) { value(std::string_view(text)); }
    void value(std::nullptr_t)
    {
        separate();
        m_out.write("null");
    }

    template <typename Value> void member(std::string_view name, const Value &value)
    {
        key(name);
        this->value(value);
    }

private:
    void open(char bracket);
    void close(char bracket);
    void separate()
    {
        if (m_afterKey) {
            m_afterKey = false;
        } else if (m_depth > 0) {
            if (m_hasItem & (1ull << m_depth))
                m_out.put(',');
            m_hasItem |= 1ull << m_depth;
        }
    }
    void writeText(std::string_view text);

    Output &m_out;
    std::uint64_t m_hasItem = 0; // bit n: the container at depth n holds an item
    int m_depth = 0;
    bool m_afterKey = false;
};

} // namespace Corvane::Answers
