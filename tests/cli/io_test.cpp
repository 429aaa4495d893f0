// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "cli/io.h"
#include "clitesting.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <string>

namespace {

using Corvane::Cli::Output;
using Corvane::Cli::StringSink;
using Corvane::Cli::Testing::FailingSink;

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
                         [](const auto &info) { return std::string(info.param.name); });

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

} // namespace
