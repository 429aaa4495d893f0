// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/output.h"

#include <algorithm>

namespace Corvane::Answers {

Output::Output(ByteSink &sink, std::size_t capacity)
    : m_sink(sink), m_buffer(std::max(capacity, 2 * kLongestSmallWrite))
{
}

bool Output::flush()
{
    if (m_used > 0 && m_error == 0)
        m_error = m_sink.write(m_buffer.data(), m_used).error;
    m_used = 0;
    return m_error == 0;
}

void Output::writeLarge(std::string_view text)
{
    if (text.size() <= m_buffer.size() - m_used) {
        std::memcpy(m_buffer.data() + m_used, text.data(), text.size());
        m_used += text.size();
        return;
    }
    flush();
    if (text.size() < m_buffer.size()) {
        std::memcpy(m_buffer.data(), text.data(), text.size());
        m_used = text.size();
    } else if (m_error == 0) {
        m_error = m_sink.write(text.data(), text.size()).error;
    }
}

} // namespace Corvane::Answers
