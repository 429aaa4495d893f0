// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/input.h"
#include "answers/output.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace Corvane::Fuzz {

// Hands out a text in pieces of at most `piece` bytes, as a pipe does, under
// the name a message gives it ("standard input", "table.csv").
class PieceSource : public Answers::ByteSource {
public:
    PieceSource(std::string_view text, std::size_t piece, std::string_view name)
        : m_text(text), m_piece(piece), m_name(name)
    {
    }
    Answers::IoResult read(char *buffer, std::size_t size) override
    {
        const std::size_t count = std::min({size, m_piece, m_text.size() - m_position});
        std::memcpy(buffer, m_text.data() + m_position, count);
        m_position += count;
        return {count, 0};
    }
    std::string_view name() const override { return m_name; }

private:
    std::string_view m_text;
    std::size_t m_piece;
    std::string_view m_name;
    std::size_t m_position = 0;
};

} // namespace Corvane::Fuzz
