// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "core/numberreading.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace {

namespace NR = Corvane::NumberReading;

// Whole text into 32 bits (the slave fields).

struct Whole32Row {
    const char *name;
    std::string text;
    std::optional<std::int32_t> expected;
};

class WholeText32 : public testing::TestWithParam<Whole32Row> {};

TEST_P(WholeText32, ReadsOrRefuses)
{
    EXPECT_EQ(NR::wholeText32(GetParam().text), GetParam().expected)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Rounding, WholeText32,
    testing::Values(
        Whole32Row{"HalfGoesDownToEvenTwo", "2.5", 2}, Whole32Row{"HalfGoesUpToEvenFour", "3.5", 4},
        Whole32Row{"JustAboveHalfGoesUp", "2.5000000000000000001", 3},
        Whole32Row{"JustBelowHalfGoesDown", "2.4999999999999999999", 2},
        Whole32Row{"StartRegisterHalfToEven", "40001.5", 40002},
        Whole32Row{"NegativeHalfToEven", "-2.5", -2},
        Whole32Row{"NegativeOddHalfAwayFromZero", "-3.5", -4},
        Whole32Row{"NegativeJustAboveHalf", "-2.51", -3}, Whole32Row{"SmallFractionDown", "7.4", 7},
        Whole32Row{"LargeFractionUp", "7.6", 8}, Whole32Row{"ZeroPointFiveIsZero", "0.5", 0},
        Whole32Row{"OnePointFiveIsTwo", "1.5", 2}, Whole32Row{"NegativeZeroIsZero", "-0", 0},
        Whole32Row{"NegativeHalfIsZero", "-0.5", 0}, Whole32Row{"TrailingPointIsWhole", "5.", 5},
        Whole32Row{"PointOnlyFraction", ".5", 0}, Whole32Row{"PointOnlyFractionUp", ".51", 1},
        Whole32Row{"LongZeroTailIsStillHalf", "2.50000000000000000000000000", 2}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    Limits, WholeText32,
    testing::Values(
        Whole32Row{"LeadingZerosIgnored", "0000000000000000000000007", 7},
        Whole32Row{"LargestValue", "2147483647", 2147483647},
        Whole32Row{"LargestValueFractionDown", "2147483647.4", 2147483647},
        Whole32Row{"LargestValueHalfOverflows", "2147483647.5", std::nullopt},
        Whole32Row{"OneAboveLargest", "2147483648", std::nullopt},
        Whole32Row{"SmallestValue", "-2147483648", INT32_MIN},
        Whole32Row{"SmallestValueHalfToEven", "-2147483648.5", INT32_MIN},
        Whole32Row{"SmallestValueJustAboveHalfOverflows", "-2147483648.51", std::nullopt},
        Whole32Row{"OneBelowSmallest", "-2147483649", std::nullopt},
        Whole32Row{"FarBeyondEveryRange", "99999999999999999999999999999", std::nullopt},
        Whole32Row{"FarBelowEveryRange", "-99999999999999999999999999999", std::nullopt}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    Syntax, WholeText32,
    testing::Values(
        Whole32Row{"PlainDigits", "40001", 40001}, Whole32Row{"PlusSign", "+12", 12},
        Whole32Row{"BlanksAround", "  12  ", 12}, Whole32Row{"TabsAround", "\t12\t", 12},
        Whole32Row{"MixedBlanksAroundFraction", " \t40001.5 \t", 40002},
        Whole32Row{"BlankInsideRefused", "1 000", std::nullopt},
        Whole32Row{"BlankAfterSignRefused", "- 5", std::nullopt},
        Whole32Row{"BlankBeforeFractionRefused", "2 .5", std::nullopt},
        Whole32Row{"LineFeedIsNoBlankHere", "\n7", std::nullopt},
        Whole32Row{"EmptyText", "", std::nullopt}, Whole32Row{"BlanksOnly", "   ", std::nullopt},
        Whole32Row{"PointAlone", ".", std::nullopt}, Whole32Row{"PlusAlone", "+", std::nullopt},
        Whole32Row{"MinusAlone", "-", std::nullopt}, Whole32Row{"SignAndPoint", "-.", std::nullopt},
        Whole32Row{"TwoSigns", "--5", std::nullopt}, Whole32Row{"Letters", "abc", std::nullopt},
        Whole32Row{"TrailingLetter", "12a", std::nullopt},
        Whole32Row{"TwoPoints", "1.2.3", std::nullopt},
        Whole32Row{"ExponentRefused", "1e3", std::nullopt},
        Whole32Row{"HexPrefixRefused", "0x10", std::nullopt},
        Whole32Row{"BasicHexPrefixRefused", "&H10", std::nullopt},
        Whole32Row{"CommaGroupRefused", "1,000", std::nullopt},
        Whole32Row{"DecimalCommaRefused", "2,5", std::nullopt},
        Whole32Row{"EmbeddedNulRefused",
                   std::string("12\0"
                               "3",
                               4),
                   std::nullopt}),
    Corvane::Testing::RowName{});

// Whole text into 16 bits (the master fields).

struct Whole16Row {
    const char *name;
    std::string text;
    std::optional<std::int16_t> expected;
};

class WholeText16 : public testing::TestWithParam<Whole16Row> {};

TEST_P(WholeText16, ReadsOrRefuses)
{
    EXPECT_EQ(NR::wholeText16(GetParam().text), GetParam().expected)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, WholeText16,
    testing::Values(Whole16Row{"BlanksAround", " 12 ", 12}, Whole16Row{"HalfToEvenDown", "2.5", 2},
                    Whole16Row{"HalfToEvenUp", "3.5", 4},
                    Whole16Row{"LargestValue", "32767", 32767},
                    Whole16Row{"LargestValueFractionDown", "32767.4", 32767},
                    Whole16Row{"LargestValueHalfOverflows", "32767.5", std::nullopt},
                    Whole16Row{"OneAboveLargest", "32768", std::nullopt},
                    Whole16Row{"SmallestValue", "-32768", -32768},
                    Whole16Row{"SmallestValueHalfToEven", "-32768.5", -32768},
                    Whole16Row{"SmallestValueJustAboveHalfOverflows", "-32768.6", std::nullopt},
                    Whole16Row{"OneBelowSmallest", "-32769", std::nullopt},
                    Whole16Row{"FitsIn32ButNot16", "70000", std::nullopt},
                    Whole16Row{"Beyond32Bits", "4294967296", std::nullopt},
                    Whole16Row{"Letters", "x", std::nullopt}, Whole16Row{"Empty", "", std::nullopt},
                    Whole16Row{"ExponentRefused", "1e3", std::nullopt}),
    Corvane::Testing::RowName{});

// Leading number of a data file address field.

struct LeadingRow {
    const char *name;
    std::string field;
    bool inRange;
    std::int32_t value;
};

class LeadingNumber : public testing::TestWithParam<LeadingRow> {};

TEST_P(LeadingNumber, ReadsTheLeadingNumber)
{
    const auto number = NR::leadingNumber(GetParam().field);
    EXPECT_EQ(number.inRange, GetParam().inRange) << '"' << GetParam().field << '"';
    if (GetParam().inRange) {
        EXPECT_EQ(number.value, GetParam().value) << '"' << GetParam().field << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(StopsBeforeTheRest, LeadingNumber,
                         testing::Values(LeadingRow{"PlainDigits", "7", true, 7},
                                         LeadingRow{"ExponentStopsAtE", "1e3", true, 1},
                                         LeadingRow{"HexPrefixStopsAtX", "0x10", true, 0},
                                         LeadingRow{"BasicHexPrefixIsNoNumber", "&H10", true, 0},
                                         LeadingRow{"CommaStopsTheNumber", "1,000", true, 1},
                                         LeadingRow{"TrailingLetters", "5abc", true, 5},
                                         LeadingRow{"SecondColonIgnored", "4:5", true, 4},
                                         LeadingRow{"SecondPointIgnored", "1.2.9", true, 1},
                                         LeadingRow{"SignIsRead", "-1", true, -1},
                                         LeadingRow{"PlusSignIsRead", "+3", true, 3}),
                         Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(SkipsBlanksAnywhere, LeadingNumber,
                         testing::Values(LeadingRow{"BlankBetweenDigits", "1 2", true, 12},
                                         LeadingRow{"LeadingBlank", " 7", true, 7},
                                         LeadingRow{"LeadingLineFeed", "\n7", true, 7},
                                         LeadingRow{"LeadingTab", "\t7", true, 7},
                                         LeadingRow{"EveryKindBetween", "1 \t\n2x", true, 12},
                                         LeadingRow{"BlankAfterSign", "- 5", true, -5},
                                         LeadingRow{"BlanksAroundPoint", "2 . 5", true, 2},
                                         LeadingRow{"BlanksInFraction", "3 . 5 1", true, 4},
                                         LeadingRow{"CarriageReturnStops", "1\r2", true, 1}),
                         Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    NothingReadsZero, LeadingNumber,
    testing::Values(LeadingRow{"Empty", "", true, 0}, LeadingRow{"PointAlone", ".", true, 0},
                    LeadingRow{"PlusAlone", "+", true, 0}, LeadingRow{"MinusAlone", "-", true, 0},
                    LeadingRow{"Letter", "x", true, 0}, LeadingRow{"BlanksOnly", " \t\n", true, 0}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    RoundsAndLimits, LeadingNumber,
    testing::Values(LeadingRow{"TrailingPoint", "5.", true, 5},
                    LeadingRow{"HalfOfNothingIsZero", ".5", true, 0},
                    LeadingRow{"JustAboveHalf", ".51", true, 1},
                    LeadingRow{"HalfToEvenDown", "2.5", true, 2},
                    LeadingRow{"HalfToEvenUp", "3.5x", true, 4},
                    LeadingRow{"NegativeHalfToEven", "-2.5", true, -2},
                    LeadingRow{"LargestValue", "2147483647", true, 2147483647},
                    LeadingRow{"LargestHalfOverflows", "2147483647.5", false, 0},
                    LeadingRow{"SmallestValue", "-2147483648/3", true, INT32_MIN},
                    LeadingRow{"SmallestHalfToEven", "-2147483648.5", true, INT32_MIN},
                    LeadingRow{"OneBelowSmallest", "-2147483649", false, 0},
                    LeadingRow{"ManyLeadingZeros", "0000000000000000000000007", true, 7},
                    LeadingRow{"ElevenDigits", "99999999999", false, 0}),
    Corvane::Testing::RowName{});

// Inputs far longer than anything typed must still be read to the right value.
TEST(NumberReadingLongInput, TenMegabytesOfDigitsAreOutOfRange)
{
    const std::string digits(10'000'000, '9');
    EXPECT_EQ(NR::wholeText32(digits), std::nullopt);
    EXPECT_EQ(NR::wholeText16(digits), std::nullopt);
    EXPECT_FALSE(NR::leadingNumber(digits).inRange);
}

TEST(NumberReadingLongInput, TenMegabytesOfZerosBeforeASevenReadSeven)
{
    const std::string text = std::string(10'000'000, '0') + "7";
    EXPECT_EQ(NR::wholeText32(text), 7);
    EXPECT_EQ(NR::leadingNumber(text).value, 7);
}

TEST(NumberReadingLongInput, TenMegabyteFractionDecidesTheRoundingByItsLastDigit)
{
    const std::string half = "2.5" + std::string(10'000'000, '0');
    EXPECT_EQ(NR::wholeText32(half), 2);
    EXPECT_EQ(NR::wholeText32(half + "1"), 3);
    EXPECT_EQ(NR::leadingNumber(half + "1").value, 3);
}

TEST(NumberReadingLongInput, TenMegabytesOfJunkAreNoNumber)
{
    const std::string junk(10'000'000, '#');
    EXPECT_EQ(NR::wholeText32(junk), std::nullopt);
    const auto leading = NR::leadingNumber(junk);
    EXPECT_TRUE(leading.inRange);
    EXPECT_EQ(leading.value, 0);
}

TEST(NumberReadingLongInput, TenMegabytesOfBlanksAroundANumber)
{
    const std::string blanks(5'000'000, ' ');
    EXPECT_EQ(NR::wholeText32(blanks + "12" + blanks), 12);
    EXPECT_EQ(NR::leadingNumber(blanks + "1" + blanks + "2").value, 12);
}

} // namespace
