// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "core/wording.h"

namespace Corvane::Text {

std::string joinedList(std::span<const std::string> words, std::string_view lastJoin)
{
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) {
            if (i + 1 < words.size()) {
                text += ", ";
            } else {
                text += ' ';
                text += lastJoin;
                text += ' ';
            }
        }
        text += words[i];
    }
    return text;
}

} // namespace Corvane::Text
