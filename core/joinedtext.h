// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// Texts joined while compiling, so that a table of constant texts can spell a
// fact that is defined elsewhere (the application's title, say) without
// writing it a second time.
namespace Corvane::Text {

template <const std::string_view &...Parts> struct JoinedText {
    static constexpr auto kStorage = [] {
        std::array<char, (Parts.size() + ... + 0) + 1> joined{};
        std::size_t at = 0;
        for (std::string_view part : {Parts...}) {
            for (char c : part)
                joined[at++] = c;
        }
        return joined;
    }();
};

// kJoined<kA, kB> with kA "Ver " and kB "1.3" -> "Ver 1.3"
template <const std::string_view &...Parts>
inline constexpr std::string_view kJoined{JoinedText<Parts...>::kStorage.data(),
                                          JoinedText<Parts...>::kStorage.size() - 1};

} // namespace Corvane::Text
