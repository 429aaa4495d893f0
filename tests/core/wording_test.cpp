// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "core/wording.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ListCase {
    const char *name;
    std::vector<std::string> words;
    const char *join;
    const char *sentence;
};

class JoinedLists : public testing::TestWithParam<ListCase> {};

TEST_P(JoinedLists, ReadAsASentence)
{
    EXPECT_EQ(Corvane::Text::joinedList(GetParam().words, GetParam().join), GetParam().sentence);
}

INSTANTIATE_TEST_SUITE_P(
    Words, JoinedLists,
    testing::Values(ListCase{"None", {}, "or", ""}, ListCase{"One", {"5"}, "or", "5"},
                    ListCase{"Two", {"01", "15"}, "and", "01 and 15"},
                    ListCase{"Four", {"1", "3", "4", "8"}, "or", "1, 3, 4 or 8"}),
    Corvane::Testing::RowName{});

} // namespace
