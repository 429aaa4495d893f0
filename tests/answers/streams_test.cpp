// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/input.h"
#include "answers/output.h"
#include "tests/support/bytestreams.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using Corvane::Answers::InputBuffer;
using Corvane::Answers::IoResult;
using Corvane::Answers::kLongestRecord;
using Corvane::Answers::Output;
using Corvane::Testing::FailingSink;
using Corvane::Testing::PieceSource;
using Corvane::Testing::StringSink;

std::string written(std::int64_t number)
{
    StringSink sink;
    Output out(sink);
    out.number(number);
    out.flush();
    return sink.text;
}

// Numbers are written by a short path below 10^8 and the library's above it;
// both meet at every digit count.
struct NumberRow {
    const char *name;
    std::int64_t number;
    const char *text;
};

class Numbers : public testing::TestWithParam<NumberRow> {};

TEST_P(Numbers, AreWrittenInPlainDecimal)
{
    EXPECT_EQ(written(GetParam().number), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Edges, Numbers,
                         testing::Values(NumberRow{"Zero", 0, "0"}, NumberRow{"OneDigit", 9, "9"},
                                         NumberRow{"TwoDigits", 10, "10"},
                                         NumberRow{"LastOfTwo", 99, "99"},
                                         NumberRow{"ThreeDigits", 100, "100"},
                                         NumberRow{"Register", 40001, "40001"},
                                         NumberRow{"OddDigitCount", 1234567, "1234567"},
                                         NumberRow{"LastShort", 99'999'999, "99999999"},
                                         NumberRow{"FirstLong", 100'000'000, "100000000"},
                                         NumberRow{"Negative", -5, "-5"},
                                         NumberRow{"Smallest", INT64_MIN, "-9223372036854775808"},
                                         NumberRow{"Largest", INT64_MAX, "9223372036854775807"}),
                         Corvane::Testing::RowName{});

TEST(OutputText, EveryLengthCopiesWhole)
{
    // The short copies overlap two moves; every length from 0 to 40 must
    // come out byte for byte, also where the buffer fills.
    const std::string source = "0123456789abcdefghijklmnopqrstuvwxyzABCD";
    StringSink sink;
    std::string expected;
    {
        Output out(sink, 600);
        for (int round = 0; round < 20; ++round) {
            for (std::size_t length = 0; length <= source.size(); ++length) {
                out.write(std::string_view(source).substr(0, length));
                expected.append(source, 0, length);
            }
        }
        EXPECT_TRUE(out.flush());
    }
    EXPECT_EQ(sink.text, expected);
}

TEST(OutputText, FirstFailureIsKeptAndLaterWritesDropped)
{
    FailingSink sink(5, ENOSPC);
    Output out(sink);
    out.write("0123456789");
    EXPECT_FALSE(out.flush());
    EXPECT_EQ(out.error(), ENOSPC);
    out.write("more");
    EXPECT_FALSE(out.flush());
    EXPECT_EQ(sink.text, "01234");
}

TEST(OutputText, LongerThanTheBufferGoesStraightThrough)
{
    StringSink sink;
    Output out(sink, 1024);
    const std::string big(5000, 'x');
    out.put('<');
    out.write(big);
    out.put('>');
    EXPECT_TRUE(out.flush());
    EXPECT_EQ(sink.text, "<" + big + ">");
}

// Reads until the held bytes hold a line feed or the input ends.
void fillToLineEnd(InputBuffer &in)
{
    while (in.held().find('\n') == std::string_view::npos && in.fill()) {
    }
}

struct PieceRow {
    const char *name;
    std::size_t piece;
};

class InputPieces : public testing::TestWithParam<PieceRow> {};

// The buffer starts small and grows for a long record: the bytes held when
// it grows, part of them consumed already, must come through unchanged.
TEST_P(InputPieces, HoldARecordAtTheLimitWhole)
{
    const std::string shortLine = std::string(1000, 's') + "\n";
    std::string record(kLongestRecord + 1, ' '); // the limit and a CR
    for (std::size_t i = 0; i < record.size(); ++i)
        record[i] = static_cast<char>('!' + i % 89);
    PieceSource source(shortLine + record + "\ntail\n", GetParam().piece);
    InputBuffer in(source);

    fillToLineEnd(in);
    ASSERT_EQ(in.held().substr(0, shortLine.size()), shortLine);
    in.consume(shortLine.size());
    fillToLineEnd(in);
    ASSERT_GE(in.held().size(), record.size() + 1);
    EXPECT_TRUE(in.held().substr(0, record.size() + 1) == record + "\n");
    in.consume(record.size() + 1);
    fillToLineEnd(in);
    EXPECT_EQ(in.held(), "tail\n");
    EXPECT_FALSE(in.fill());
    EXPECT_FALSE(in.failed());
}

INSTANTIATE_TEST_SUITE_P(Reads, InputPieces,
                         testing::Values(PieceRow{"OneByteEach", 1}, PieceRow{"PipeSized", 4096},
                                         PieceRow{"OverTheFirstBuffer", kLongestRecord + 7},
                                         PieceRow{"AllAtOnce", SIZE_MAX}),
                         Corvane::Testing::RowName{});

} // namespace
