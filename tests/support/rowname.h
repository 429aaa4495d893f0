// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace Corvane::Testing {

// Names each row of a parameterised suite after its `name` member, so that a
// test reads as what it proves: Edges/Numbers.AreWrittenInPlainDecimal/Negative.
// INSTANTIATE_TEST_SUITE_P(Edges, Numbers, testing::Values(...), RowName{});
struct RowName {
    template <typename Row> std::string operator()(const testing::TestParamInfo<Row> &info) const
    {
        return std::string(info.param.name);
    }
};

} // namespace Corvane::Testing
