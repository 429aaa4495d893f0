// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "core/characters.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

// Every byte changes case as the C locale changes it, and only ASCII letters
// change at all.
TEST(Characters, ChangeCaseAsTheCLocaleDoesForEveryByte)
{
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        EXPECT_EQ(Corvane::Text::toUpper(c),
                  static_cast<char>(byte < 128 ? std::toupper(byte) : byte))
            << byte;
        EXPECT_EQ(Corvane::Text::toLower(c),
                  static_cast<char>(byte < 128 ? std::tolower(byte) : byte))
            << byte;
    }
}

} // namespace
