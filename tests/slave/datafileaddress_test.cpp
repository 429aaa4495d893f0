// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "slave/datafileaddress.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {

using Corvane::Errors::ErrorState;
using Corvane::Slave::ParseDataFile;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct ParseRow {
    const char *name;
    std::string text;
    std::int32_t countIn;
    std::int32_t file;
    std::int32_t word;
    std::int32_t bit;
    std::int32_t countOut;
    std::optional<std::int16_t> code; // nullopt: every check passes
};

class ParseDataFileRows : public testing::TestWithParam<ParseRow> {};

TEST_P(ParseDataFileRows, TakesTheAddressApart)
{
    const ParseRow &row = GetParam();
    ErrorState error;
    const auto address = ParseDataFile(row.text, row.countIn, error);
    SCOPED_TRACE('"' + row.text + '"');
    EXPECT_EQ(address.file, row.file);
    EXPECT_EQ(address.word, row.word);
    EXPECT_EQ(address.bit, row.bit);
    EXPECT_EQ(address.count, row.countOut);
    EXPECT_EQ(error.flag, row.code.has_value());
    if (row.code) {
        EXPECT_EQ(error.code, *row.code);
    }
}

// A flag raised before the parser ran stays raised, and a passing parse keeps
// the earlier code; the outputs are the same as on a clean start.
TEST_P(ParseDataFileRows, NeverClearsAnEarlierFlag)
{
    const ParseRow &row = GetParam();
    ErrorState error;
    error.raise(Corvane::Errors::ErrorCode{0});
    const auto address = ParseDataFile(row.text, row.countIn, error);
    SCOPED_TRACE('"' + row.text + '"');
    EXPECT_TRUE(error.flag);
    EXPECT_EQ(error.code, row.code.value_or(0));
    EXPECT_EQ(address.file, row.file);
    EXPECT_EQ(address.word, row.word);
    EXPECT_EQ(address.bit, row.bit);
    EXPECT_EQ(address.count, row.countOut);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ParseDataFileRows,
    testing::Values(
        ParseRow{"WordForm", "N7:0", 10, 7, 0, 0, 10, std::nullopt},
        ParseRow{"WordAndBit", "N7:4/5", 10, 7, 4, 5, 10, std::nullopt},
        ParseRow{"BitFileBitZero", "B3/0", 10, 3, 0, 0, 10, std::nullopt},
        ParseRow{"BitFileSplitsIntoWordAndBit", "B3/20", 10, 3, 1, 4, 10, std::nullopt},
        ParseRow{"BitFileLastBit", "B3/159999", 10, 3, 9999, 15, 10, std::nullopt},
        ParseRow{"FloatDoublesCount", "F8:0", 10, 8, 0, 0, 20, std::nullopt},
        ParseRow{"LowerCaseFloatDoublesCount", "f8:0", 10, 8, 0, 0, 20, std::nullopt},
        ParseRow{"InputOctalBitTen", "I:012/10", 10, 1, 12, 8, 10, std::nullopt},
        ParseRow{"OutputOctalBitSeventeen", "O:0/17", 10, 0, 0, 15, 10, std::nullopt},
        ParseRow{"InputFileNumberIgnored", "I5:0", 10, 1, 0, 0, 10, std::nullopt},
        ParseRow{"AsciiFileTen", "A10:0", 10, 10, 0, 0, 10, std::nullopt},
        ParseRow{"SecondColonEndsTheWord", "N7:4:5", 10, 7, 4, 0, 10, std::nullopt},
        ParseRow{"EmptyBitReadsZero", "N7:0/", 10, 7, 0, 0, 10, std::nullopt},
        ParseRow{"InputWithoutColonOrSlash", "I", 10, 1, 0, 0, 10, 9},
        ParseRow{"FloatBitFileStillDoubles", "F8/3", 10, 8, 0, 3, 20, 9},
        ParseRow{"InputBitNineIsNoOctalBit", "I:0/9", 10, 1, 0, 7, 10, 9},
        ParseRow{"DataLetterWithoutColonOrSlash", "N7", 10, 0, 0, 0, 10, 12},
        ParseRow{"UnknownLetter", "X17:0", 10, 0, 0, 0, 10, 12},
        ParseRow{"FileEightWithIntegerLetter", "N8:0", 10, 8, 0, 0, 10, 12},
        ParseRow{"FileNineIsReserved", "N9:0", 10, 9, 0, 0, 10, 12},
        ParseRow{"MissingFileNumberIsZero", "N:0", 10, 0, 0, 0, 10, 12},
        ParseRow{"BitSixteen", "N7:0/16", 10, 7, 0, 16, 10, 13},
        ParseRow{"FloatWithBitOutOfRange", "F8:0/20", 10, 8, 0, 20, 20, 13},
        ParseRow{"WordTenThousand", "N7:10000", 10, 7, 10000, 0, 10, 13},
        ParseRow{"FileOneThousand", "N1000:0", 10, 1000, 0, 0, 10, 13},
        ParseRow{"BitNumberBeyondWord9999", "B3/160000", 10, 3, 10000, 0, 10, 13},
        ParseRow{"SlashBeforeColon", "N7/3:4", 10, -1, 0, 0, 10, 13},
        ParseRow{"InputSlashWithoutColon", "I1/5", 10, -1, 0, 0, 10, 13}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ParseDataFileRows,
    testing::Values(
        ParseRow{"EmptyText", "", 10, 0, 0, 0, 10, 12},
        ParseRow{"BlankBeforeLetter", " N7:0", 10, 0, 0, 0, 10, 12},
        ParseRow{"BlankAfterLetterIgnored", "N 7:0", 10, 7, 0, 0, 10, std::nullopt},
        ParseRow{"BlanksInsideNumbersIgnored", "N 7 : 1 2 / 3", 10, 7, 12, 3, 10, std::nullopt},
        ParseRow{"TabAndLineFeedInsideNumbers", "N\t7:\n4", 10, 7, 4, 0, 10, std::nullopt},
        ParseRow{"LowerCaseBitFile", "b3/0", 10, 3, 0, 0, 10, std::nullopt},
        ParseRow{"LowerCaseInteger", "n7:4/5", 10, 7, 4, 5, 10, std::nullopt},
        ParseRow{"FloatWordAndBitStillDoubles", "F8:0/3", 10, 8, 0, 3, 20, 9},
        ParseRow{"BitFifteenIsWordZero", "B3/15", 10, 3, 0, 15, 10, std::nullopt},
        ParseRow{"BitSixteenIsWordOne", "B3/16", 10, 3, 1, 0, 10, std::nullopt},
        ParseRow{"NegativeBitNumber", "B3/-1", 10, 3, 0, -1, 10, 13},
        ParseRow{"FarNegativeBitNumberStaysInBit", "B3/-20", 10, 3, 0, -20, 10, 13},
        ParseRow{"InputLetterFixesFile", "I7:3", 10, 1, 3, 0, 10, std::nullopt},
        ParseRow{"OutputWithoutFileNumber", "O:3", 10, 0, 3, 0, 10, std::nullopt},
        ParseRow{"LowerCaseOutput", "o:3", 10, 0, 3, 0, 10, std::nullopt},
        ParseRow{"InputWordReadInDecimal", "I:012/10", 10, 1, 12, 8, 10, std::nullopt},
        ParseRow{"InputOctalBitSeven", "I:0/7", 10, 1, 0, 7, 10, std::nullopt},
        ParseRow{"InputOctalBitSeventeen", "I:0/17", 10, 1, 0, 15, 10, std::nullopt},
        ParseRow{"InputBitEightIsNoOctalBit", "I:0/8", 10, 1, 0, 6, 10, 9},
        ParseRow{"InputBitEighteenOutOfRange", "I:0/18", 10, 1, 0, 16, 10, 13},
        ParseRow{"InputNegativeBit", "I:0/-1", 10, 1, 0, -1, 10, 13},
        ParseRow{"OutputWithoutColonOrSlash", "o", 10, 0, 0, 0, 10, 9},
        ParseRow{"InputSlashRightAfterColon", "I:/5", 10, -1, 0, 0, 10, 13},
        ParseRow{"AsciiLowFileReserved", "A5:0", 10, 5, 0, 0, 10, 12},
        ParseRow{"DecimalFileZeroReserved", "D0:0", 10, 0, 0, 0, 10, 12},
        ParseRow{"DecimalLastFile", "D999:0", 10, 999, 0, 0, 10, std::nullopt},
        ParseRow{"StatusOwnFile", "S2:0", 10, 2, 0, 0, 10, std::nullopt},
        ParseRow{"BinaryOwnFile", "B3:0", 10, 3, 0, 0, 10, std::nullopt},
        ParseRow{"TimerOwnFile", "T4:0", 10, 4, 0, 0, 10, std::nullopt},
        ParseRow{"CounterOwnFile", "C5:0", 10, 5, 0, 0, 10, std::nullopt},
        ParseRow{"ControlOwnFile", "R6:0", 10, 6, 0, 0, 10, std::nullopt},
        ParseRow{"InputOwnFile", "I1:0", 10, 1, 0, 0, 10, std::nullopt},
        ParseRow{"OutputOwnFile", "O0:0", 10, 0, 0, 0, 10, std::nullopt},
        ParseRow{"IntegerLetterOnStatusFile", "N2:0", 10, 2, 0, 0, 10, 12},
        ParseRow{"StatusLetterOnBinaryFile", "S3:0", 10, 3, 0, 0, 10, 12},
        ParseRow{"LastWord", "N7:9999", 10, 7, 9999, 0, 10, std::nullopt},
        ParseRow{"LastFile", "N999:0", 10, 999, 0, 0, 10, std::nullopt},
        ParseRow{"SlashRightAfterColon", "N7:/5", 10, -1, 0, 0, 10, 13},
        ParseRow{"NegativeWord", "N7:-1", 10, 7, -1, 0, 10, 13},
        ParseRow{"NegativeFileBelowReservedCheck", "N-1:0", 10, -1, 0, 0, 10, 13},
        ParseRow{"FractionalWordHalfToEven", "N7:2.5", 10, 7, 2, 0, 10, std::nullopt},
        ParseRow{"FractionalFileHalfToEven", "N10.5:0", 10, 10, 0, 0, 10, std::nullopt},
        ParseRow{"JunkAfterNumbersIgnored", "N7x:4y/5z", 10, 7, 4, 5, 10, std::nullopt},
        ParseRow{"UnreadableWordReadsZero", "N7:abc", 10, 7, 0, 0, 10, std::nullopt},
        ParseRow{"NonAsciiFirstCharacter", "\xC3\x91" "7:0", 10, 0, 0, 0, 10, 12}),
    Corvane::Testing::RowName{});

// The reserved-file code is written after the range code, and both after the
// shape code: the last code written is the one shown.
INSTANTIATE_TEST_SUITE_P(
    LastCodeWins, ParseDataFileRows,
    testing::Values(
        ParseRow{"ReservedBeatsOutOfRange", "N8:10000", 10, 8, 10000, 0, 10, 12},
        ParseRow{"OutOfRangeBeatsShape", "F8/99999999", 10, 8, 6249999, 15, 20, 13},
        ParseRow{"ReservedBeatsShape", "N8:0/16", 10, 8, 0, 16, 10, 12},
        ParseRow{"OutOfRangeBeatsOctalShape", "I:10000/8", 10, 1, 10000, 6, 10, 13}),
    Corvane::Testing::RowName{});

// A number outside the 32-bit range leaves its output as it was before the
// field was read, and the count doubles only where the double still fits.
INSTANTIATE_TEST_SUITE_P(
    HugeNumbers, ParseDataFileRows,
    testing::Values(
        ParseRow{"HugeFileLeavesZero", "N99999999999:0", 10, 0, 0, 0, 10, 12},
        ParseRow{"HugeWordLeavesZero", "N7:99999999999", 10, 7, 0, 0, 10, std::nullopt},
        ParseRow{"HugeInputWordLeavesForcedFile", "I99999999999:99999999999", 10, 1, 0, 0, 10, std::nullopt},
        ParseRow{"HugeBitLeavesZero", "N7:0/99999999999", 10, 7, 0, 0, 10, std::nullopt},
        ParseRow{"LargestBitNumber", "B3/2147483647", 10, 3, 134217727, 15, 10, 13},
        ParseRow{"SmallestBitNumber", "B3/-2147483648", 10, 3, 0, kMin, 10, 13},
        ParseRow{"LargestInputBitKeepsItsValue", "I:0/2147483647", 10, 1, 0, 2147483645, 10, 13},
        ParseRow{"FloatLargestDoublableCount", "F8:0", 1073741823, 8, 0, 0, 2147483646, std::nullopt},
        ParseRow{"FloatCountTooLargeToDouble", "F8:0", 1073741824, 8, 0, 0, 1073741824, std::nullopt},
        ParseRow{"FloatLargestCountUnchanged", "F8:0", kMax, 8, 0, 0, kMax, std::nullopt},
        ParseRow{"FloatSmallestDoublableCount", "F8:0", -1073741824, 8, 0, 0, kMin, std::nullopt},
        ParseRow{"FloatCountTooSmallToDouble", "F8:0", -1073741825, 8, 0, 0, -1073741825, std::nullopt},
        ParseRow{"FloatSmallestCountUnchanged", "F8:0", kMin, 8, 0, 0, kMin, std::nullopt},
        ParseRow{"FloatNegativeCountDoubles", "F8:0", -5, 8, 0, 0, -10, std::nullopt},
        ParseRow{"OtherLettersNeverDouble", "N7:0", kMax, 7, 0, 0, kMax, std::nullopt}),
    Corvane::Testing::RowName{});
// clang-format on

TEST(ParseDataFileLongInput, TenMegabyteWordFieldIsReadToTheEnd)
{
    ErrorState error;
    const std::string text = "N7:" + std::string(10'000'000, '0') + "42";
    const auto address = ParseDataFile(text, 1, error);
    EXPECT_FALSE(error.flag);
    EXPECT_EQ(address.word, 42);
}

TEST(ParseDataFileLongInput, TenMegabytesOfJunkAfterTheLetter)
{
    ErrorState error;
    const std::string text = "N" + std::string(10'000'000, '#');
    const auto address = ParseDataFile(text, 1, error);
    EXPECT_TRUE(error.flag);
    EXPECT_EQ(error.code, 12);
    EXPECT_EQ(address.file, 0);
}

} // namespace
