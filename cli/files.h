// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/input.h"
#include "answers/output.h"

#include <memory>
#include <string>
#include <string_view>

// The files and standard streams corvane-cli reads and writes, through the
// operating system's own calls: every failure comes back as an errno value.
namespace Corvane::Cli {

using Answers::ByteSink;
using Answers::ByteSource;
using Answers::IoResult;

// An open file descriptor (0, 1, 2 or one of openFile's), read or written
// with read(2) and write(2) (_read and _write on Windows), retrying
// interrupted calls and short writes.
class FileDescriptorSource : public ByteSource {
public:
    FileDescriptorSource(int descriptor, std::string name, bool owned = false);
    ~FileDescriptorSource() override;
    FileDescriptorSource(const FileDescriptorSource &) = delete;
    FileDescriptorSource &operator=(const FileDescriptorSource &) = delete;
    IoResult read(char *buffer, std::size_t size) override;
    std::string_view name() const override { return m_name; }
    int descriptor() const { return m_descriptor; }

private:
    int m_descriptor;
    std::string m_name;
    bool m_owned;
};

class FileDescriptorSink : public ByteSink {
public:
    explicit FileDescriptorSink(int descriptor) : m_descriptor(descriptor) {}
    IoResult write(const char *data, std::size_t size) override;
    int descriptor() const { return m_descriptor; }

private:
    int m_descriptor;
};

// A file opened for reading, or the errno value of the failed open.
// openFile("table.csv") -> a source named "table.csv"; openFile("/nonexistent") -> ENOENT.
struct OpenedFile {
    std::unique_ptr<ByteSource> source;
    int error = 0;
};
OpenedFile openFile(const std::string &path);

// The process's standard streams in binary mode (Windows would otherwise
// turn LF into CR LF and stop reading at Ctrl-Z).
struct StandardStreams {
    FileDescriptorSource in;
    FileDescriptorSink out;
    FileDescriptorSink err;
    StandardStreams();
};

// "No space left on device" for ENOSPC; the C library's text for an errno value.
std::string errorText(int error);

// True when both are one regular file (same device and file), as in
// `corvane-cli batch t.csv >> t.csv`: a run would read what it writes.
// Terminals, pipes and the tests' texts in memory are never the same file.
bool sameRegularFile(const ByteSource &input, const ByteSink &output);

} // namespace Corvane::Cli
