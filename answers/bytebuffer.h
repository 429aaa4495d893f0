// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>

namespace Corvane::Answers {

// Bytes that are not cleared when made: a reader or writer looks only at the
// bytes it has put there, and clearing 64 KiB for each short input would cost
// more than reading it.
// ByteBuffer buffer(4096); buffer.grow(8192, 10) keeps the first 10 bytes.
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

} // namespace Corvane::Answers
