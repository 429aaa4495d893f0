// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/input.h"
#include "answers/output.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

// Byte streams for the tests: texts in memory, a pipe that hands out a few
// bytes at a time, and streams that fail as a full disk or a bad sector does.
namespace Corvane::Testing {

using Answers::ByteSink;
using Answers::ByteSource;
using Answers::IoResult;
using Answers::StringSink;

// A text read as if it were a file: StringSource("a,b\n") reads "a,b\n", then nothing.
class StringSource : public ByteSource {
public:
    explicit StringSource(std::string text, std::string name = "standard input")
        : m_text(std::move(text)), m_name(std::move(name))
    {
    }
    IoResult read(char *buffer, std::size_t size) override
    {
        const std::size_t count = std::min(size, m_text.size() - m_position);
        std::memcpy(buffer, m_text.data() + m_position, count);
        m_position += count;
        return {count, 0};
    }
    std::string_view name() const override { return m_name; }

private:
    std::string m_text;
    std::string m_name;
    std::size_t m_position = 0;
};

// Hands out a text in pieces of at most `piece` bytes, as a pipe does.
class PieceSource : public ByteSource {
public:
    PieceSource(std::string text, std::size_t piece) : m_text(std::move(text)), m_piece(piece) {}
    IoResult read(char *buffer, std::size_t size) override
    {
        const std::size_t count = std::min({size, m_piece, m_text.size() - m_at});
        std::memcpy(buffer, m_text.data() + m_at, count);
        m_at += count;
        return {count, 0};
    }
    std::string_view name() const override { return "standard input"; }

private:
    std::string m_text;
    std::size_t m_piece;
    std::size_t m_at = 0;
};

// A sink that takes `room` bytes and then fails every write with `error`,
// as a full disk (ENOSPC) or a closed pipe (EPIPE) does.
class FailingSink : public ByteSink {
public:
    FailingSink(std::size_t room, int error) : m_room(room), m_error(error) {}
    IoResult write(const char *data, std::size_t size) override
    {
        const std::size_t taken = std::min(size, m_room);
        text.append(data, taken);
        m_room -= taken;
        return {taken, taken < size ? m_error : 0};
    }
    std::string text;

private:
    std::size_t m_room;
    int m_error;
};

// A source that yields `text` and then fails with `error`, as a disk with a
// bad sector (EIO) does.
class FailingSource : public ByteSource {
public:
    FailingSource(std::string text, int error) : m_text(std::move(text)), m_error(error) {}
    IoResult read(char *buffer, std::size_t size) override
    {
        if (m_position == m_text.size())
            return {0, m_error};
        const std::size_t count = std::min(size, m_text.size() - m_position);
        m_text.copy(buffer, count, m_position);
        m_position += count;
        return {count, 0};
    }
    std::string_view name() const override { return "standard input"; }

private:
    std::string m_text;
    int m_error;
    std::size_t m_position = 0;
};

} // namespace Corvane::Testing
