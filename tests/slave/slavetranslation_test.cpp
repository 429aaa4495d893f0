// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "errors/errormessages.h"
#include "slave/slavetranslation.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {

using Corvane::Errors::ErrorState;
using Corvane::Modbus::ModiconClass;
using Corvane::Slave::answerRange;
using Corvane::Slave::MapSlaveRange;
using Corvane::Slave::ReadSlaveInputs;
using Corvane::Slave::SlaveAnswer;
using Corvane::Slave::SlaveFieldTexts;
using Corvane::Slave::TranslateSlave;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// Reading the fields.

struct ReadRow {
    const char *name;
    std::string start;
    std::string count;
    std::int32_t startValue;
    std::int32_t countValue;
};

class ReadSlaveInputsRows : public testing::TestWithParam<ReadRow> {};

TEST_P(ReadSlaveInputsRows, ReadsWholeTextsAndZeroForTheRest)
{
    const ReadRow &row = GetParam();
    const auto inputs = ReadSlaveInputs({" N7:0 ", row.start, row.count});
    EXPECT_EQ(inputs.address, " N7:0 ") << "the address is taken unchanged";
    EXPECT_EQ(inputs.start, row.startValue);
    EXPECT_EQ(inputs.count, row.countValue);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ReadSlaveInputsRows,
    testing::Values(ReadRow{"Plain", "40001", "10", 40001, 10},
                    ReadRow{"BlanksAround", " 40001\t", "\t10 ", 40001, 10},
                    ReadRow{"HalfToEven", "40001.5", "2.5", 40002, 2},
                    ReadRow{"EmptyReadsZero", "", "", 0, 0},
                    ReadRow{"LettersReadZero", "abc", "x1", 0, 0},
                    ReadRow{"ExponentReadsZero", "4e4", "1e1", 0, 0},
                    ReadRow{"LargestValues", "2147483647", "-2147483648", kMax, kMin},
                    ReadRow{"OutOfRangeReadsZero", "2147483648", "-2147483649", 0, 0}),
    Corvane::Testing::RowName{});

// The range mapping on its own.

struct MapRow {
    const char *name;
    std::int32_t start;
    std::int32_t count;
    std::int32_t bit;
    std::int32_t startOut;
    std::int32_t end;
    std::optional<std::int16_t> code;
};

class MapSlaveRangeRows : public testing::TestWithParam<MapRow> {};

TEST_P(MapSlaveRangeRows, MapsAndChecksTheClass)
{
    const MapRow &row = GetParam();
    ErrorState error;
    const auto range = MapSlaveRange(row.start, row.count, row.bit, error);
    EXPECT_EQ(error.flag, row.code.has_value());
    if (row.code) {
        EXPECT_EQ(error.code, *row.code);
        return;
    }
    EXPECT_EQ(range.start, row.startOut);
    EXPECT_EQ(range.end, row.end);
}

// A flag raised before the mapping stays raised, and a passing mapping keeps
// the earlier code.
TEST_P(MapSlaveRangeRows, NeverClearsAnEarlierFlag)
{
    const MapRow &row = GetParam();
    ErrorState error;
    error.raise(Corvane::Errors::ErrorCode{12});
    MapSlaveRange(row.start, row.count, row.bit, error);
    EXPECT_TRUE(error.flag);
    EXPECT_EQ(error.code, row.code.value_or(12));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Classes, MapSlaveRangeRows,
    testing::Values(
        MapRow{"CoilsFollowTheBit", 6, 10, 5, 1, 15, std::nullopt},
        MapRow{"HoldingRegistersIgnoreTheBit", 40001, 10, 5, 40001, 40010, std::nullopt},
        MapRow{"InputRegistersIgnoreTheBit", 30010, 10, 15, 30010, 30019, std::nullopt},
        MapRow{"DiscreteInputsFollowTheBit", 10005, 4, 4, 10001, 10008, std::nullopt},
        MapRow{"FirstCoil", 1, 1, 0, 1, 1, std::nullopt},
        MapRow{"LastCoil", 9999, 1, 0, 9999, 9999, std::nullopt},
        MapRow{"FirstDiscreteInput", 10001, 1, 0, 10001, 10001, std::nullopt},
        MapRow{"LastDiscreteInput", 19999, 1, 0, 19999, 19999, std::nullopt},
        MapRow{"FirstInputRegister", 30001, 1, 0, 30001, 30001, std::nullopt},
        MapRow{"LastInputRegister", 39999, 1, 0, 39999, 39999, std::nullopt},
        MapRow{"FirstHoldingRegister", 40001, 1, 0, 40001, 40001, std::nullopt},
        MapRow{"LastHoldingRegister", 49999, 1, 0, 49999, 49999, std::nullopt},
        MapRow{"MovedCoilStartBelowOne", 1, 16, 4, 0, 0, 10},
        MapRow{"MovedInputStartBelowFirst", 10003, 4, 4, 0, 0, 10},
        MapRow{"InputRegisterStartBelowFirst", 29999, 10, 0, 0, 0, 11},
        MapRow{"HoldingRegisterStartBelowFirst", 39995, 10, 0, 0, 0, 11},
        MapRow{"EndZero", 0, 1, 0, 0, 0, 11},
        MapRow{"EndTenThousand", 10000, 1, 0, 0, 0, 11},
        MapRow{"EndTwentyThousand", 20000, 1, 0, 0, 0, 11},
        MapRow{"EndThirtyThousand", 30000, 1, 0, 0, 0, 11},
        MapRow{"EndFortyThousand", 40000, 1, 0, 0, 0, 11},
        MapRow{"EndFiftyThousand", 50000, 1, 0, 0, 0, 11},
        MapRow{"NegativeCountStaysInClass", 40010, -5, 0, 40010, 40004, std::nullopt},
        MapRow{"ZeroCountEndsBeforeStart", 40005, 0, 0, 40005, 40004, std::nullopt},
        MapRow{"NegativeBitMovesCoilStartUp", 5, 1, -3, 8, 5, std::nullopt}),
    Corvane::Testing::RowName{});

// Sums that leave 32 bits are worked without overflow and refused with 11.
INSTANTIATE_TEST_SUITE_P(
    Overflow, MapSlaveRangeRows,
    testing::Values(
        MapRow{"EndAboveLargest", kMax, 2, 0, 0, 0, 11},
        MapRow{"EndAboveLargestWithLargestCount", kMax, kMax, 0, 0, 0, 11},
        MapRow{"EndBelowSmallest", kMin, 0, 0, 0, 0, 11},
        MapRow{"EndBelowSmallestWithSmallestCount", kMin, kMin, 0, 0, 0, 11},
        MapRow{"LargestStartEndsInNoClass", kMax, 1, 0, 0, 0, 11},
        MapRow{"MovedStartAboveLargestInCoils", kMax, -2147483641, -5, 0, 0, 11},
        MapRow{"MovedStartAboveLargestInRegisters", kMax, -2147443645, -5, 0, 0, 11},
        MapRow{"MovedStartBelowSmallest", kMin, kMax, 5, 0, 0, 11},
        MapRow{"SmallestBitFromLargestStart", 40001, 1, kMin, 0, 0, 11},
        MapRow{"LargestBitFromSmallestStart", kMin, 1, kMax, 0, 0, 11}),
    Corvane::Testing::RowName{});
// clang-format on

// The whole translation from the three field texts.

struct SlaveRow {
    const char *name;
    std::string address;
    std::string start;
    std::string count;
    // Expected labels: file, word, Modicon start, Modicon end.
    std::string file;
    std::string word;
    std::string modiconStart;
    std::string modiconEnd;
    std::optional<std::int16_t> code;
};

SlaveRow accepted(const char *name, std::string address, std::string start, std::string count,
                  std::string file, std::string word, std::string modiconStart,
                  std::string modiconEnd)
{
    return {name,
            std::move(address),
            std::move(start),
            std::move(count),
            std::move(file),
            std::move(word),
            std::move(modiconStart),
            std::move(modiconEnd),
            std::nullopt};
}

SlaveRow refused(const char *name, std::string address, std::string start, std::string count,
                 std::int16_t code)
{
    return {name, std::move(address), std::move(start), std::move(count), "", "", "", "", code};
}

class TranslateSlaveRows : public testing::TestWithParam<SlaveRow> {};

TEST_P(TranslateSlaveRows, AnswersOrRefuses)
{
    const SlaveRow &row = GetParam();
    const auto answer = TranslateSlave({row.address, row.start, row.count});
    EXPECT_EQ(answer.file, row.file);
    EXPECT_EQ(answer.word, row.word);
    EXPECT_EQ(answer.modiconStart, row.modiconStart);
    EXPECT_EQ(answer.modiconEnd, row.modiconEnd);
    EXPECT_EQ(answer.ok(), !row.code.has_value());
    EXPECT_EQ(answer.error.flag, row.code.has_value());
    if (row.code) {
        EXPECT_EQ(answer.error.code, *row.code);
    } else {
        EXPECT_EQ(std::to_string(answer.fileValue), row.file);
        EXPECT_EQ(std::to_string(answer.wordValue), row.word);
        EXPECT_EQ(std::to_string(answer.modiconStartValue), row.modiconStart);
        EXPECT_EQ(std::to_string(answer.modiconEndValue), row.modiconEnd);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, TranslateSlaveRows,
    testing::Values(
        accepted("WordToHoldingRegisters", "N7:0", "40001", "10", "7", "0", "40001", "40010"),
        accepted("BitIgnoredForRegisters", "N7:4/5", "40001", "10", "7", "4", "40001", "40010"),
        accepted("FloatDoublesTheCount", "F8:0", "40001", "10", "8", "0", "40001", "40020"),
        accepted("BitFileToCoils", "B3/0", "1", "16", "3", "0", "1", "16"),
        accepted("BitFileMovesCoilStart", "B3/20", "5", "16", "3", "1", "1", "20"),
        accepted("WordAndBitMovesCoilStart", "N7:4/5", "6", "10", "7", "4", "1", "15"),
        accepted("OctalInputBitMovesCoilStart", "I:012/10", "9", "8", "1", "12", "1", "16"),
        accepted("BitFileToDiscreteInputs", "B3/0", "10001", "32", "3", "0", "10001", "10032"),
        accepted("LastCoil", "N7:0", "9999", "1", "7", "0", "9999", "9999"),
        accepted("ZeroCount", "N7:0", "40005", "0", "7", "0", "40005", "40004"),
        refused("MovedStartBelowFirstCoil", "B3/20", "1", "16", 10),
        refused("CoilsRunIntoDiscreteInputs", "N7:0", "9990", "20", 10),
        refused("InputRegistersRunIntoHolding", "N7:0", "39995", "10", 11),
        refused("EndInNoClass", "N7:0", "20001", "1", 11),
        refused("EndTenThousand", "N7:0", "10000", "1", 11),
        refused("DoubledFloatEndsOnFortyThousand", "F8:0", "39999", "1", 11),
        refused("UnreadableStartIsZero", "N7:0", "abc", "10", 10),
        refused("EmptyCountIsZero", "N7:0", "40001", "", 11),
        refused("ParserCodeWhenRangeIsGood", "X17:0", "40001", "1", 12),
        refused("RangeCodeReplacesParserCode", "X17:0", "0", "5", 10),
        refused("FloatBitFileParserCode", "F8/3", "40001", "1", 9),
        refused("FloatBitFileMovedStart", "F8/3", "1", "1", 10)),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, TranslateSlaveRows,
    testing::Values(
        refused("EmptyStartAndCount", "N7:0", "", "", 11),
        refused("StartZeroCountOne", "N7:0", "0", "1", 11),
        refused("StartZeroCountFive", "N7:0", "0", "5", 10),
        accepted("WordAddressNeverMovesStart", "N7:0", "5", "1", "7", "0", "5", "5"),
        accepted("BitAddressMovesDiscreteInputStart", "N7:4/5", "10006", "1", "7", "4", "10001", "10006"),
        accepted("BitAddressKeepsInputRegisterStart", "N7:4/5", "30001", "1", "7", "4", "30001", "30001"),
        refused("CoilsIntoDiscreteInputsJudgedAsInputs", "B3/0", "9999", "3", 10),
        refused("RangeEndingOnTenThousand", "B3/0", "9999", "2", 11),
        accepted("NegativeCountKeepsTheClass", "N7:0", "40010", "-5", "7", "0", "40010", "40004"),
        accepted("FloatDoublesBeforeTheEnd", "F8:0", "40001", "1", "8", "0", "40001", "40002"),
        accepted("NoWordLimitTiedToCount", "N7:9999", "40001", "10", "7", "9999", "40001", "40010"),
        accepted("FractionalStartHalfToEven", "N7:0", "40001.5", "2.5", "7", "0", "40002", "40003"),
        accepted("BlanksAroundFields", "N7:0", " 40001 ", "\t10\t", "7", "0", "40001", "40010"),
        refused("GroupedStartReadsZero", "N7:0", "40,001", "1", 11),
        refused("ParserFaultWithGoodRange", "N7:0/16", "40001", "1", 13),
        refused("ReservedFileWithGoodRange", "N8:0", "40001", "1", 12),
        refused("InputWithoutColonWithGoodRange", "I", "40001", "1", 9)),
    Corvane::Testing::RowName{});

// Where start + count - 1 or start - bit leaves 32 bits the range is refused
// with 11, whatever the parser said.
INSTANTIATE_TEST_SUITE_P(
    Overflow, TranslateSlaveRows,
    testing::Values(
        refused("EndAboveLargest", "N7:0", "2147483647", "2", 11),
        refused("EndAboveLargestBothLargest", "N7:0", "2147483647", "2147483647", 11),
        refused("EndBelowSmallest", "N7:0", "-2147483648", "0", 11),
        refused("EndBelowSmallestBothSmallest", "N7:0", "-2147483648", "-2147483648", 11),
        refused("MovedStartAboveLargest", "N7:0/-5", "2147483647", "-2147483641", 11),
        refused("FloatDoubledLargestCount", "F8:0", "2147483647", "2147483647", 11),
        refused("HugeBitFromStart", "B3/-2147483648", "40001", "1", 11)),
    Corvane::Testing::RowName{});
// clang-format on

// The Modicon range of an answer, in the class its end lies in; none without
// an answer.
struct RangeRow {
    const char *name;
    SlaveFieldTexts fields;
    std::optional<ModiconClass> table; // nullopt: no range
    std::int32_t start;
    std::int32_t end;
};

class AnswerRangeRows : public testing::TestWithParam<RangeRow> {};

TEST_P(AnswerRangeRows, NamesTheClassOfTheEnd)
{
    const RangeRow &row = GetParam();
    const auto range = answerRange(TranslateSlave(row.fields));
    ASSERT_EQ(range.has_value(), row.table.has_value());
    if (range) {
        EXPECT_EQ(range->table, *row.table);
        EXPECT_EQ(range->start, row.start);
        EXPECT_EQ(range->end, row.end);
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, AnswerRangeRows,
    testing::Values(
        RangeRow{"HoldingRegisters",
                 {"N7:0", "40001", "10"},
                 ModiconClass::HoldingRegisters,
                 40001,
                 40010},
        RangeRow{"MovedCoilStart", {"B3/20", "5", "16"}, ModiconClass::Coils, 1, 20},
        RangeRow{
            "DiscreteInputs", {"B3/0", "10001", "32"}, ModiconClass::DiscreteInputs, 10001, 10032},
        RangeRow{"InputRegisterKeepsItsStart",
                 {"N7:4/5", "30001", "1"},
                 ModiconClass::InputRegisters,
                 30001,
                 30001},
        RangeRow{"NegativeCountRunsBackwards",
                 {"N7:0", "40010", "-5"},
                 ModiconClass::HoldingRegisters,
                 40010,
                 40004},
        RangeRow{"Refused", {"B3/20", "1", "16"}, std::nullopt, 0, 0}),
    Corvane::Testing::RowName{});

// An answer built by hand, not by the translation, may end in no class.
TEST(AnswerRange, NoneForAnEndOutsideEveryClass)
{
    EXPECT_FALSE(answerRange(SlaveAnswer{}).has_value());
}

TEST(TranslateSlaveRefusal, TheCodeShownNamesTheFault)
{
    const auto answer = TranslateSlave({"B3/20", "1", "16"});
    ASSERT_FALSE(answer.ok());
    EXPECT_EQ(Corvane::Errors::errorText(answer.error.code),
              "Invalid Modbus Register/Coil\r\n"
              "Due to the needed offset when mapping the desired AB bit to a Modbus Coil,\r\n"
              "The value of the Modicon Start Register has been adjusted to a value that is out "
              "of Range");
}

} // namespace
