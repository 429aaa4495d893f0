// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
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

// The longest text expandRuns makes: a little past the readers' 64 KiB limit.
inline constexpr std::size_t kLongestExpansion = 64 * 1024 + 4096;

// Whether expandRuns expands this input: one input in kExpandedShare, picked
// by a checksum (FNV-1a) so that a rerun of an input does the same.
inline constexpr std::uint32_t kExpandedShare = 256;
inline bool expandsRuns(std::string_view input)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : input)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash % kExpandedShare == 0;
}

// The readers' targets need texts past the 64 KiB record limit, but long
// inputs are slow to mutate and, instrumented, slow to read. So a short input
// stands for a long text: the four bytes FF, high, low, c are a run of
// (high * 256 + low) bytes c, every other byte stands for itself, and the
// text stops at kLongestExpansion bytes. Runs are expanded in a small share
// of the inputs only, which keeps the long texts from taking most of the time;
// in the others FF is a byte like any other.
// "a\xFF\x01\x00zb" -> "a" + 256 x "z" + "b" (when expanded)
inline std::string expandRuns(std::string_view input)
{
    if (!expandsRuns(input))
        return std::string(input);
    std::string text;
    for (std::size_t i = 0; i < input.size() && text.size() < kLongestExpansion; ++i) {
        if (input[i] != '\xFF' || input.size() - i < 4) {
            text += input[i];
            continue;
        }
        const std::size_t length = static_cast<unsigned char>(input[i + 1]) * 256u +
                                   static_cast<unsigned char>(input[i + 2]);
        text.append(std::min(length, kLongestExpansion - text.size()), input[i + 3]);
        i += 3;
    }
    return text;
}

// An invariant failed: say which, and abort so that libFuzzer keeps the input.
[[noreturn]] inline void fail(const char *what, std::string_view input)
{
    // The whole input is in the artifact; a long one is cut here so that a
    // 64 KiB record does not flood the log.
    constexpr std::size_t kShown = 400;
    std::fprintf(stderr, "invariant broken: %s\ninput (%zu bytes): \"", what, input.size());
    for (const char c : input.substr(0, kShown)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\')
            std::fputc(c, stderr);
        else
            std::fprintf(stderr, "\\x%02x", byte);
    }
    std::fputs(input.size() > kShown ? "\"...\n" : "\"\n", stderr);
    std::abort();
}

inline void check(bool holds, const char *what, std::string_view input)
{
    if (!holds)
        fail(what, input);
}

} // namespace Corvane::Fuzz
