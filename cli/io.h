// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The bytes corvane-cli reads and writes. Every read and every write reports
// its error number, so that a full disk, a closed stream or a directory in
// place of a file ends in a message rather than in output that looks complete.
namespace Corvane::Cli {

// The longest record read from a CSV table or a JSON Lines stream, in bytes,
// separators and quotes included, the line end not: 64 KiB. It bounds the
// memory one record can take, whatever the input.
inline constexpr std::size_t kLongestRecord = 64 * 1024;

// Bytes that are not cleared when made: a reader or writer looks only at the
// bytes it has put there, and clearing 64 KiB for each short input would cost
// more than reading it.
class ByteBuffer {
public:
    explicit ByteBuffer(std::size_t size) : m_bytes(new char[size]), m_size(size) {}
    char *data() { return m_bytes.get(); }
    const char *data() const { return m_bytes.get(); }
    std::size_t size() const { return m_size; }
    // Makes room for `size` bytes in all, keeping the first `kept`.
    void grow(std::size_t size, std::size_t kept)
    {
        auto bytes = std::unique_ptr<char[]>(new char[size]);
        std::memcpy(bytes.get(), m_bytes.get(), kept);
        m_bytes = std::move(bytes);
        m_size = size;
    }

private:
    std::unique_ptr<char[]> m_bytes;
    std::size_t m_size;
};

// What one read or write came to: the bytes moved, or an errno value.
struct IoResult {
    std::size_t bytes = 0;
    int error = 0;
};

// Where bytes come from. read() returns 0 bytes at the end of the input.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual IoResult read(char *buffer, std::size_t size) = 0;
    // What a message calls the input: "standard input", "table.csv".
    virtual std::string_view name() const = 0;
};

// Where bytes go. write() takes all bytes or reports why it could not.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual IoResult write(const char *data, std::size_t size) = 0;
};

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

private:
    int m_descriptor;
    std::string m_name;
    bool m_owned;
};

class FileDescriptorSink : public ByteSink {
public:
    explicit FileDescriptorSink(int descriptor) : m_descriptor(descriptor) {}
    IoResult write(const char *data, std::size_t size) override;

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

// Texts in memory, for the tests and the benchmarks.
class StringSource : public ByteSource {
public:
    explicit StringSource(std::string text, std::string name = "standard input")
        : m_text(std::move(text)), m_name(std::move(name))
    {
    }
    IoResult read(char *buffer, std::size_t size) override;
    std::string_view name() const override { return m_name; }

private:
    std::string m_text;
    std::string m_name;
    std::size_t m_position = 0;
};

class StringSink : public ByteSink {
public:
    IoResult write(const char *data, std::size_t size) override;
    std::string text;
};

// "No space left on device" for ENOSPC; the C library's text for an errno value.
std::string errorText(int error);

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

// Output gathered in a buffer and handed to a sink in large writes. The first
// failed write is kept and every later one dropped, so a loop may write
// freely and ask failed() once per row.
class Output {
public:
    explicit Output(ByteSink &sink, std::size_t capacity = 64 * 1024);
    ~Output() = default;
    Output(const Output &) = delete;
    Output &operator=(const Output &) = delete;

    void write(std::string_view text)
    {
        if (text.size() > kLongestSmallWrite) {
            writeLarge(text);
            return;
        }
        copyBytes(room(text.size()), text.data(), text.size());
        m_used += text.size();
    }
    void put(char c)
    {
        *room(1) = c;
        ++m_used;
    }
    // Plain decimal: 40001, -5.
    void number(std::int64_t value)
    {
        char *to = room(20);
        if (value >= 0 && value < 100'000'000)
            m_used += writeSmallNumber(to, static_cast<std::uint32_t>(value));
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

    // Registers, offsets and row numbers are small and not negative; written
    // two digits at a time they cost a third of the general conversion.
    static std::size_t writeSmallNumber(char *to, std::uint32_t value)
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

    ByteSink &m_sink;
    ByteBuffer m_buffer;
    std::size_t m_used = 0;
    int m_error = 0;
};

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
    bool failed() const { return m_error != 0; }
    int error() const { return m_error; }
    std::string_view name() const { return m_source.name(); }

private:
    ByteSource &m_source;
    Output *m_flushBeforeRead;
    ByteBuffer m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_ended = false;
    int m_error = 0;
};

// One line of a message: the program's name and the parts.
// {"cannot read ", "table.csv", ": Is a directory"} -> "corvane-cli: cannot read table.csv: Is a
// directory\n"
void writeMessage(Output &err, std::initializer_list<std::string_view> parts);

} // namespace Corvane::Cli
