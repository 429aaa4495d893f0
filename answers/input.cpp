// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/input.h"

#include <algorithm>
#include <cstring>

namespace Corvane::Answers {
namespace {

// Room for a whole record, its line end and a large read behind it. The
// buffer starts at a quarter of that and grows only for a long record: a
// buffer this large is mapped afresh by the allocator on every request,
// which costs more than reading a short input.
constexpr std::size_t kInputCapacity = 4 * kLongestRecord;
constexpr std::size_t kFirstCapacity = kLongestRecord;
// The least room a read gets.
constexpr std::size_t kSmallestRead = kLongestRecord / 4;

// Where the first line end stands in `text`, or npos.
std::size_t lineEnd(std::string_view text, LineEnds ends)
{
    if (ends == LineEnds::LineFeed) {
        const void *found = std::memchr(text.data(), '\n', text.size());
        return found ? static_cast<std::size_t>(static_cast<const char *>(found) - text.data())
                     : std::string_view::npos;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r')
            return i;
    }
    return std::string_view::npos;
}

} // namespace

std::string overlongMessage(std::string_view what)
{
    return std::string(what) + " is longer than " + std::to_string(kLongestRecord) + " bytes";
}

IoResult TextSource::read(char *buffer, std::size_t size)
{
    const std::size_t count = std::min(size, m_text.size());
    std::memcpy(buffer, m_text.data(), count);
    m_text.remove_prefix(count);
    return {count, 0};
}

InputBuffer::InputBuffer(ByteSource &source, Output *flushBeforeRead)
    : m_source(source), m_flushBeforeRead(flushBeforeRead), m_buffer(kFirstCapacity)
{
}

bool InputBuffer::fill()
{
    if (m_ended)
        return false;
    // Readers hold at most a record and its line end, so moving what is held
    // to the front of the full-sized buffer always leaves room for a large read.
    if (m_buffer.size() - m_end < kSmallestRead) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_dropped += m_begin;
        m_begin = 0;
        if (m_buffer.size() - m_end < kSmallestRead)
            m_buffer.grow(kInputCapacity, m_end);
    }
    if (m_flushBeforeRead)
        m_flushBeforeRead->flush();
    const IoResult result = m_source.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    m_end += result.bytes;
    m_error = result.error;
    m_ended = result.bytes == 0;
    return !m_ended;
}

char InputBuffer::skipLine(LineEnds ends)
{
    for (;;) {
        const std::string_view text = held();
        if (const std::size_t end = lineEnd(text, ends); end != std::string_view::npos) {
            consume(end + 1);
            return text[end];
        }
        consume(text.size());
        if (!fill())
            return 0;
    }
}

} // namespace Corvane::Answers
