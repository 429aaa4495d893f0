// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// Helpers shared by the fuzz targets: turning the fuzzer's bytes into the
// texts a user could type, and stopping loudly when an invariant breaks.
namespace Corvane::Fuzz {

inline std::string_view asText(const std::uint8_t *data, std::size_t size)
{
    return {reinterpret_cast<const char *>(data), size};
}

// Splits off the text after the last line feed: "N7:0\n40001\n10" -> "10",
// leaving "N7:0\n40001". Without a line feed the whole text is the tail.
inline std::string_view takeLastLine(std::string_view &text)
{
    const std::size_t newline = text.rfind('\n');
    if (newline == std::string_view::npos) {
        const std::string_view tail = text;
        text = {};
        return tail;
    }
    const std::string_view tail = text.substr(newline + 1);
    text = text.substr(0, newline);
    return tail;
}

// An invariant failed: say which, and abort so that libFuzzer keeps the input.
[[noreturn]] inline void fail(const char *what, std::string_view input)
{
    std::fprintf(stderr, "invariant broken: %s\ninput: \"", what);
    for (const char c : input) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\')
            std::fputc(c, stderr);
        else
            std::fprintf(stderr, "\\x%02x", byte);
    }
    std::fputs("\"\n", stderr);
    std::abort();
}

inline void check(bool holds, const char *what, std::string_view input)
{
    if (!holds)
        fail(what, input);
}

} // namespace Corvane::Fuzz
