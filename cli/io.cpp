// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "cli/io.h"

#include <algorithm>
#include <cerrno>
#include <climits>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace Corvane::Cli {
namespace {

// Room for a whole record, its line end and a large read behind it. The
// buffer starts at a quarter of that and grows only for a long record: a
// buffer this large is mapped afresh by the allocator on every request,
// which costs more than reading a short input.
constexpr std::size_t kInputCapacity = 4 * kLongestRecord;
constexpr std::size_t kFirstCapacity = kLongestRecord;
// The least room a read gets.
constexpr std::size_t kSmallestRead = kLongestRecord / 4;

#ifdef _WIN32
// _read and _write take an unsigned count.
constexpr std::size_t kLargestCall = INT_MAX;

long long readSome(int descriptor, char *buffer, std::size_t size)
{
    return _read(descriptor, buffer, static_cast<unsigned>(std::min(size, kLargestCall)));
}
long long writeSome(int descriptor, const char *data, std::size_t size)
{
    return _write(descriptor, data, static_cast<unsigned>(std::min(size, kLargestCall)));
}
int openForReading(const char *path) { return _open(path, _O_RDONLY | _O_BINARY); }
void closeDescriptor(int descriptor) { _close(descriptor); }
#else
constexpr std::size_t kLargestCall = SSIZE_MAX;

long long readSome(int descriptor, char *buffer, std::size_t size)
{
    return ::read(descriptor, buffer, std::min(size, kLargestCall));
}
long long writeSome(int descriptor, const char *data, std::size_t size)
{
    return ::write(descriptor, data, std::min(size, kLargestCall));
}
int openForReading(const char *path) { return ::open(path, O_RDONLY | O_CLOEXEC); }
void closeDescriptor(int descriptor) { ::close(descriptor); }
#endif

} // namespace

FileDescriptorSource::FileDescriptorSource(int descriptor, std::string name, bool owned)
    : m_descriptor(descriptor), m_name(std::move(name)), m_owned(owned)
{
}

FileDescriptorSource::~FileDescriptorSource()
{
    if (m_owned)
        closeDescriptor(m_descriptor);
}

IoResult FileDescriptorSource::read(char *buffer, std::size_t size)
{
    for (;;) {
        const long long count = readSome(m_descriptor, buffer, size);
        if (count >= 0)
            return {static_cast<std::size_t>(count), 0};
        if (errno != EINTR)
            return {0, errno};
    }
}

IoResult FileDescriptorSink::write(const char *data, std::size_t size)
{
    std::size_t written = 0;
    while (written < size) {
        const long long count = writeSome(m_descriptor, data + written, size - written);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return {written, errno};
        }
        // A write that moves nothing would repeat for ever.
        if (count == 0)
            return {written, EIO};
        written += static_cast<std::size_t>(count);
    }
    return {written, 0};
}

OpenedFile openFile(const std::string &path)
{
    OpenedFile file;
    const int descriptor = openForReading(path.c_str());
    if (descriptor < 0)
        file.error = errno;
    else
        file.source = std::make_unique<FileDescriptorSource>(descriptor, path, true);
    return file;
}

StandardStreams::StandardStreams() : in(0, "standard input"), out(1), err(2)
{
#ifdef _WIN32
    _setmode(0, _O_BINARY);
    _setmode(1, _O_BINARY);
    _setmode(2, _O_BINARY);
#endif
}

IoResult StringSource::read(char *buffer, std::size_t size)
{
    const std::size_t count = std::min(size, m_text.size() - m_position);
    std::memcpy(buffer, m_text.data() + m_position, count);
    m_position += count;
    return {count, 0};
}

IoResult StringSink::write(const char *data, std::size_t size)
{
    text.append(data, size);
    return {size, 0};
}

std::string errorText(int error) { return std::strerror(error); }

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

void writeMessage(Output &err, std::initializer_list<std::string_view> parts)
{
    err.write("corvane-cli: ");
    for (const std::string_view part : parts)
        err.write(part);
    err.put('\n');
}

} // namespace Corvane::Cli
