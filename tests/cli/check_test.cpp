// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "cli/check.h"
#include "clitesting.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Corvane::Cli::findOverlaps;
using Corvane::Cli::MappedRange;
using Corvane::Cli::Overlap;
using Corvane::Cli::Testing::runCli;
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
    [](const auto &info) { return std::string(info.param.name); });

const std::string kTable = "mode,address,start,count,plc,register,slave\n"
                           "slave,N7:0,40001,10,,,\n"  // 1: 40001-40010
                           "slave,N10:0,40005,10,,,\n" // 2: 40005-40014, overlaps 1
                           "slave,F8/3,1,1,,,\n"       // 3: refused, code 10
                           "master,,,,5,100,5\n"       // 4: not compared
                           "slave,B3/0,40015,16,,,\n"  // 5: 40015-40030, clear of 2
                           "bad\n";                    // 6: invalid

TEST(Check, TextListsRefusalsOverlapsAndASummary)
{
    const auto run = runCli({"check", "-"}, kTable);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "row 3: refused, error box code 10: Invalid Modbus Register/Coil\n"
                       "row 6: invalid, the row has 1 fields, the header 7\n"
                       "rows 1 and 2 overlap in holding registers 40005-40010\n"
                       "6 rows: 3 slave rows answered, 1 refused, 1 invalid, 1 master row not "
                       "compared; 1 overlapping pair\n");
}

TEST(Check, JsonLinesOnePerFinding)
{
    const auto run = runCli({"check", "--json", "-"}, kTable);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out,
              R"({"kind":"refused","row":3,"code":10,"message":"Invalid Modbus Register/Coil\r\n)"
              R"(Due to the needed offset when mapping the desired AB bit to a Modbus Coil,\r\n)"
              R"(The value of the Modicon Start Register has been adjusted to a value that is )"
              R"(out of Range"})"
              "\n"
              R"({"kind":"invalid","row":6,"error":"the row has 1 fields, the header 7"})"
              "\n"
              R"({"kind":"overlap","rows":[1,2],"table":"holding registers","reference":"4X",)"
              R"("start":40005,"end":40010})"
              "\n"
              R"({"kind":"summary","rows":6,"answered":3,"master_rows":1,"refused":1,)"
              R"("invalid":1,"overlaps":1,"overlaps_listed":1})"
              "\n");
}

TEST(Check, CleanTableExitsZero)
{
    const auto run = runCli({"check", "-"}, "mode,address,start,count\n"
                                            "slave,N7:0,40010,-5\n" // 40010 down to 40006
                                            "slave,N7:10,40011,5\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "2 rows: 2 slave rows answered, 0 refused, 0 invalid; 0 overlapping pairs\n");
}

TEST(Check, NegativeCountCoversItsRangeDownwards)
{
    const auto run = runCli({"check", "-"}, "mode,address,start,count\n"
                                            "slave,N7:0,40010,-5\n"
                                            "slave,N7:10,40006,1\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.out, testing::StartsWith("rows 1 and 2 overlap in holding registers 40006\n"));
}

} // namespace
