// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/check.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Corvane::Answers::findOverlaps;
using Corvane::Answers::MappedRange;
using Corvane::Answers::Overlap;
using Corvane::Modbus::ModiconClass;

// "1+2 holding registers 40005-40010"
std::string describe(const Overlap &pair)
{
    return std::to_string(pair.firstRow) + "+" + std::to_string(pair.secondRow) + " " +
           std::to_string(static_cast<int>(pair.table)) + " " + std::to_string(pair.low) + "-" +
           std::to_string(pair.high);
}

constexpr auto kHolding = ModiconClass::HoldingRegisters;
constexpr auto kCoils = ModiconClass::Coils;

struct OverlapRow {
    const char *name;
    std::vector<MappedRange> ranges;
    std::size_t listed;
    std::vector<std::string> pairs; // as describe() writes them, in the order reported
    std::uint64_t total;
};

class Overlaps : public testing::TestWithParam<OverlapRow> {};

TEST_P(Overlaps, AreFoundInOrderOfTheirStart)
{
    OverlapRow row = GetParam();
    std::vector<std::string> pairs;
    const std::uint64_t total = findOverlaps(
        row.ranges, row.listed, [&pairs](const Overlap &pair) { pairs.push_back(describe(pair)); });
    EXPECT_EQ(pairs, row.pairs);
    EXPECT_EQ(total, row.total);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, Overlaps,
    testing::Values(
        OverlapRow{"NoneInATableLaidEndToEnd",
                   {{40001, 40010, 1, kHolding}, {40011, 40020, 2, kHolding}},
                   10,
                   {},
                   0},
        OverlapRow{"SharedTailIsTheSharedRange",
                   {{40001, 40010, 1, kHolding}, {40005, 40020, 2, kHolding}},
                   10,
                   {"1+2 3 40005-40010"},
                   1},
        OverlapRow{"OneSharedNumberCounts",
                   {{40010, 40020, 1, kHolding}, {40001, 40010, 2, kHolding}},
                   10,
                   {"1+2 3 40010-40010"},
                   1},
        OverlapRow{"ContainedRangeSharesItself",
                   {{40001, 40100, 1, kHolding}, {40050, 40060, 2, kHolding}},
                   10,
                   {"1+2 3 40050-40060"},
                   1},
        OverlapRow{"OtherTablesNeverOverlap",
                   {{1, 10, 1, kCoils}, {1, 10, 2, ModiconClass::DiscreteInputs}},
                   10,
                   {},
                   0},
        OverlapRow{"AnEndedRangeLeavesTheSweep",
                   {{1, 5, 1, kCoils}, {3, 8, 2, kCoils}, {6, 9, 3, kCoils}, {10, 12, 4, kCoils}},
                   10,
                   {"1+2 0 3-5", "2+3 0 6-8"},
                   2},
        OverlapRow{
            "RowsListedLowFirst",
            {{40001, 40010, 3, kHolding}, {40001, 40010, 1, kHolding}, {40002, 40003, 2, kHolding}},
            10,
            {"1+3 3 40001-40010", "1+2 3 40002-40003", "2+3 3 40002-40003"},
            3},
        OverlapRow{"AllOnOneRangeListedUpToTheLimitAndCountedInFull",
                   std::vector<MappedRange>(100, MappedRange{40001, 40001, 7, kHolding}),
                   2,
                   {"7+7 3 40001-40001", "7+7 3 40001-40001"},
                   100 * 99 / 2}),
    Corvane::Testing::RowName{});

} // namespace
