// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "cli/commandline.h"
#include "cli/io.h"

#include <cerrno>
#include <string>
#include <vector>

namespace Corvane::Cli::Testing {

// What one command line left behind.
struct Run {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the command line as the program would, with `input` as standard input.
inline Run runCli(std::vector<std::string> arguments, const std::string &input = {})
{
    arguments.insert(arguments.begin(), "corvane-cli");
    StringSource in(input);
    StringSink out;
    StringSink err;
    Run run;
    run.status = runCommandLine(arguments, {in, out, err});
    run.out = out.text;
    run.err = err.text;
    return run;
}

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

} // namespace Corvane::Cli::Testing
