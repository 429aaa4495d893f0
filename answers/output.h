// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/bytebuffer.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Where answers are written. Every write reports its error number, so that a
// full disk or a closed stream ends in a message rather than in output that
// looks complete.
namespace Corvane::Answers {

// Where bytes go. write() takes all bytes or reports why it could not.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual IoResult write(const char *data, std::size_t size) = 0;
};

// Bytes gathered into a text in memory: the page takes its answers this way.
class StringSink : public ByteSink {
public:
    IoResult write(const char *data, std::size_t size) override
    {
        text.append(data, size);
        return {size, 0};
    }
    std::string text;
};

namespace detail {

// Two moves of a T-sized block, from the front and from the back, cover any
// length from sizeof(T) to twice that without reading past the text.
template <typename T> void copyOverlapping(char *to, const char *from, std::size_t size)
{
    T head, tail;
    std::memcpy(&head, from, sizeof(T));
    std::memcpy(&tail, from + size - sizeof(T), sizeof(T));
    std::memcpy(to, &head, sizeof(T));
    std::memcpy(to + size - sizeof(T), &tail, sizeof(T));
}

// Copies a few bytes. Most texts written are a few bytes long (a cell, a
// key, a separator), where a call to memcpy costs more than the copy.
// copyBytes(to, "abc", 3) -> to holds "abc"
inline void copyBytes(char *to, const char *from, std::size_t size)
{
    if (size > 32) {
        std::memcpy(to, from, size);
    } else if (size >= 16) {
        copyOverlapping<std::array<char, 16>>(to, from, size);
    } else if (size >= 8) {
        copyOverlapping<std::uint64_t>(to, from, size);
    } else if (size >= 4) {
        copyOverlapping<std::uint32_t>(to, from, size);
    } else if (size > 0) {
        to[0] = from[0];
        to[size / 2] = from[size / 2];
        to[size - 1] = from[size - 1];
    }
}

// Registers, offsets and row numbers are small and not negative; written
// two digits at a time they cost a third of the general conversion.
// writeSmallNumber(to, 40001) -> 5, to holds "40001"
inline std::size_t writeSmallNumber(char *to, std::uint32_t value)
{
    static constexpr std::array<char, 200> kPairs = [] {
        std::array<char, 200> pairs{};
        for (std::size_t i = 0; i < 100; ++i) {
            pairs[2 * i] = static_cast<char>('0' + i / 10);
            pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
        return pairs;
    }();
    std::size_t digits = 1;
    for (std::uint32_t bound = 10; digits < 8 && value >= bound; bound *= 10)
        ++digits;
    char *at = to + digits;
    for (; value >= 100; value /= 100) {
        at -= 2;
        std::memcpy(at, &kPairs[2 * (value % 100)], 2);
    }
    if (value >= 10)
        std::memcpy(at - 2, &kPairs[2 * value], 2);
    else
        at[-1] = static_cast<char>('0' + value);
    return digits;
}

} // namespace detail

// Output gathered in a buffer and handed to a sink in large writes. The first
// failed write is kept and every later one dropped, so a loop may write
// freely and ask failed() once per row.
class Output {
public:
    explicit Output(ByteSink &sink, std::size_t capacity = 64 * 1024);
    Output(const Output &) = delete;
    Output &operator=(const Output &) = delete;

    // The three writers are inlined where they are called: a batch writes
    // twenty cells a row.
    [[gnu::always_inline]] void write(std::string_view text)
    {
        if (text.size() > kLongestSmallWrite) {
            writeLarge(text);
            return;
        }
        detail::copyBytes(room(text.size()), text.data(), text.size());
        m_used += text.size();
    }
    [[gnu::always_inline]] void put(char c)
    {
        *room(1) = c;
        ++m_used;
    }
    // Plain decimal: 40001, -5.
    [[gnu::always_inline]] void number(std::int64_t value)
    {
        char *to = room(20);
        if (value >= 0 && value < 100'000'000)
            m_used += detail::writeSmallNumber(to, static_cast<std::uint32_t>(value));
        else
            m_used += static_cast<std::size_t>(std::to_chars(to, to + 20, value).ptr - to);
    }

    // Where `size` bytes (at most kLongestSmallWrite) may be written, flushing
    // first if they do not fit; advance() then counts those written.
    // std::memcpy(out.room(3), "abc", 3); out.advance(3);
    char *room(std::size_t size)
    {
        if (size > m_buffer.size() - m_used)
            flush();
        return m_buffer.data() + m_used;
    }
    void advance(std::size_t count) { m_used += count; }
    static constexpr std::size_t kLongestSmallWrite = 256;

    // Hands everything gathered to the sink; false once any write has failed.
    bool flush();
    bool failed() const { return m_error != 0; }
    // The errno value of the first failed write, 0 while none failed.
    int error() const { return m_error; }

private:
    void writeLarge(std::string_view text);

    ByteSink &m_sink;
    ByteBuffer m_buffer;
    std::size_t m_used = 0;
    int m_error = 0;
};

} // namespace Corvane::Answers
