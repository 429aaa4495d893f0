// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/linereader.h"

#include <algorithm>
#include <cstring>

namespace Corvane::Answers {

LineReader::Read LineReader::next(std::string_view &line)
{
    m_input.consume(m_pending);
    m_pending = 0;
    if (m_skipping) {
        m_skipping = false;
        m_input.skipLine(LineEnds::LineFeed);
    }
    std::size_t scanned = 0;
    for (;;) {
        const std::string_view held = m_input.held();
        // A line at the limit, its CR and its LF.
        const std::size_t reach = std::min(held.size(), kLongestRecord + 2);
        const void *found = std::memchr(held.data() + scanned, '\n', reach - scanned);
        if (found) {
            const auto end =
                static_cast<std::size_t>(static_cast<const char *>(found) - held.data());
            m_pending = end + 1;
            return finish(held.substr(0, end), line);
        }
        if (held.size() >= kLongestRecord + 2) {
            m_input.consume(reach);
            m_skipping = true;
            return Read::Overlong;
        }
        scanned = reach;
        if (!m_input.fill()) {
            if (m_input.failed() || m_input.held().empty())
                return Read::End;
            m_pending = m_input.held().size();
            return finish(m_input.held(), line);
        }
    }
}

LineReader::Read LineReader::finish(std::string_view text, std::string_view &line)
{
    if (text.ends_with('\r'))
        text.remove_suffix(1);
    line = text;
    return text.size() > kLongestRecord ? Read::Overlong : Read::Line;
}

} // namespace Corvane::Answers
