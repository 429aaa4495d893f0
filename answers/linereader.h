// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/input.h"

#include <cstddef>
#include <string_view>

namespace Corvane::Answers {

// Lines of at most kLongestRecord bytes, ended by LF; a CR before the LF
// belongs to the line end, and the last line needs no end. An over-long line
// is reported before the rest of it is skipped, so a line that never ends is
// reported at once and costs no memory; the lines after it read as usual.
// "a\r\nb" -> "a", "b"
class LineReader {
public:
    explicit LineReader(InputBuffer &input) : m_input(input) {}

    enum class Read { Line, Overlong, End };

    // The next line, valid until the next call.
    Read next(std::string_view &line);

private:
    static Read finish(std::string_view text, std::string_view &line);

    InputBuffer &m_input;
    std::size_t m_pending = 0;
    bool m_skipping = false;
};

} // namespace Corvane::Answers
