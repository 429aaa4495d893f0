// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "cli/files.h"

#include "cli/stopping.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Corvane::Cli {
namespace {

#ifdef _WIN32
// _read and _write take an unsigned count.
constexpr std::size_t kLargestCall = INT_MAX;

long long readSome(int descriptor, char *buffer, std::size_t size)
{
    return _read(descriptor, buffer, static_cast<unsigned>(std::min(size, kLargestCall)));
}
long long writeSome(int descriptor, const char *data, std::size_t size)
{
    const int written =
        _write(descriptor, data, static_cast<unsigned>(std::min(size, kLargestCall)));
    // A pipe whose reader has gone fails with EINVAL; it is the EPIPE of
    // every other system, so that the program ends as quietly there.
    if (written < 0 && errno == EINVAL) {
        const DWORD error = GetLastError();
        if (error == ERROR_NO_DATA || error == ERROR_BROKEN_PIPE)
            errno = EPIPE;
    }
    return written;
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
        // A read cut short by a stop signal ends the input; the run stops
        // before the row it was reading.
        if (stopRequested())
            return {0, 0};
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

std::string errorText(int error) { return std::strerror(error); }

namespace {

// The identity of an open regular file: its device and its number there.
std::optional<std::pair<std::uint64_t, std::uint64_t>> regularFile(int descriptor)
{
#ifdef _WIN32
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
    BY_HANDLE_FILE_INFORMATION information{};
    if (handle == INVALID_HANDLE_VALUE || GetFileType(handle) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(handle, &information))
        return std::nullopt;
    return std::pair{std::uint64_t{information.dwVolumeSerialNumber},
                     (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
#else
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return std::pair{static_cast<std::uint64_t>(status.st_dev),
                     static_cast<std::uint64_t>(status.st_ino)};
#endif
}

} // namespace

bool sameRegularFile(const ByteSource &input, const ByteSink &output)
{
    const auto *source = dynamic_cast<const FileDescriptorSource *>(&input);
    const auto *sink = dynamic_cast<const FileDescriptorSink *>(&output);
    // One descriptor for both is a closed standard output that the input
    // took the place of: writing fails, and says so.
    if (!source || !sink || source->descriptor() == sink->descriptor())
        return false;
    const auto read = regularFile(source->descriptor());
    return read && read == regularFile(sink->descriptor());
}

} // namespace Corvane::Cli
