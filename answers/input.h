// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/bytebuffer.h"
#include "answers/output.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Where mapping tables and request streams are read from, one record at a
// time. Every read reports its error number, so that an unreadable input ends
// in a message rather than in output that looks complete.
namespace Corvane::Answers {

// The longest record read from a CSV table or a JSON Lines stream, in bytes,
// separators and quotes included, the line end not: 64 KiB. It bounds the
// memory one record can take, whatever the input.
inline constexpr std::size_t kLongestRecord = 64 * 1024;

// "the row is longer than 65536 bytes"
std::string overlongMessage(std::string_view what);

// Where bytes come from. read() returns 0 bytes at the end of the input.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual IoResult read(char *buffer, std::size_t size) = 0;
    // What a message calls the input: "standard input", "table.csv".
    virtual std::string_view name() const = 0;
};

// Bytes read from a text in memory that outlives the source: the page reads
// its mapping tables this way.
class TextSource : public ByteSource {
public:
    explicit TextSource(std::string_view text, std::string_view name = "the table")
        : m_text(text), m_name(name)
    {
    }
    IoResult read(char *buffer, std::size_t size) override;
    std::string_view name() const override { return m_name; }

private:
    std::string_view m_text;
    std::string_view m_name;
};

// The bytes that end a line: a JSON Lines stream ends its lines with LF (a
// CR before it belongs to the line end); a CSV table with CR LF, LF or CR.
enum class LineEnds { LineFeed, AnyBreak };

// A window on a source that holds whole records: consume() drops bytes from
// the front, fill() reads more behind what is held. The first read error is
// kept, and the input then ends. Before it waits for a read, it flushes
// `flushBeforeRead`, so a program reading requests from a pipe answers each
// before it waits for the next.
class InputBuffer {
public:
    explicit InputBuffer(ByteSource &source, Output *flushBeforeRead = nullptr);

    std::string_view held() const { return {m_buffer.data() + m_begin, m_end - m_begin}; }
    void consume(std::size_t count) { m_begin += count; }
    // Reads more; false at the end of the input or on an error.
    bool fill();
    // Drops everything up to and including the next line end, reading on as
    // far as it takes: the rest of an over-long record costs no memory.
    // Returns the line end dropped, or 0 at the end of the input.
    // "rest of it\nnext" -> "next", '\n'
    char skipLine(LineEnds ends);
    // How many bytes have been consumed since the input began.
    std::uint64_t position() const { return m_dropped + m_begin; }
    bool failed() const { return m_error != 0; }
    int error() const { return m_error; }
    std::string_view name() const { return m_source.name(); }

private:
    ByteSource &m_source;
    Output *m_flushBeforeRead;
    ByteBuffer m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    std::uint64_t m_dropped = 0; // consumed bytes no longer held
    bool m_ended = false;
    int m_error = 0;
};

} // namespace Corvane::Answers
