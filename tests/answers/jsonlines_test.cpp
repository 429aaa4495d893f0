// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/jsonlines.h"
#include "answers/request.h"
#include "tests/support/bytestreams.h"
#include "tests/support/rowname.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Corvane::Answers::jsonNumberText;
using Corvane::Answers::runJsonLines;

// JSON numbers reach the rules as the decimal text of the value written.
struct NumberRow {
    const char *name;
    const char *lexeme;
    const char *text;
};

class JsonNumbers : public testing::TestWithParam<NumberRow> {};

TEST_P(JsonNumbers, BecomeDecimalText)
{
    EXPECT_EQ(jsonNumberText(GetParam().lexeme), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Lexemes, JsonNumbers,
    testing::Values(
        NumberRow{"Fraction", "2.5", "2.5"}, NumberRow{"NegativeFraction", "-0.5", "-0.5"},
        NumberRow{"TrailingZerosDropped", "40001.50", "40001.5"},
        NumberRow{"ExponentShiftsRight", "1e3", "1000"},
        NumberRow{"ExponentShiftsLeft", "-25E-1", "-2.5"},
        NumberRow{"ExponentWithPlus", "4.0001E+4", "40001"},
        NumberRow{"BeyondDoublePrecision", "2.5000000000000000001", "2.5000000000000000001"},
        NumberRow{"HugeExponentStaysHuge", "1e999999999", "1000000000000000000000000"},
        NumberRow{"TinyExponentStaysBelowOneHalf", "5e-999999999", "0.0000000000000000000000005"},
        NumberRow{"ZeroWithExponent", "0e99", "0"},
        NumberRow{"LongIntegerAsWritten", "123456789012345678901234567890",
                  "123456789012345678901234567890"}),
    Corvane::Testing::RowName{});

// A user's text in a message: quoted, and cut after 80 characters.
struct QuoteRow {
    const char *name;
    std::string text;
    std::string quoted;
};

class QuotedTexts : public testing::TestWithParam<QuoteRow> {};

TEST_P(QuotedTexts, AreCutAfterEightyCharacters)
{
    EXPECT_EQ(Corvane::Answers::quotedText(GetParam().text), GetParam().quoted);
}

// "text" followed by `after`, built by appending, which GCC 12's -Wrestrict
// does not misread as an overlapping copy.
std::string inQuotes(const std::string &text, const char *after = "")
{
    std::string quoted = "\"";
    quoted += text;
    quoted += '"';
    quoted += after;
    return quoted;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, QuotedTexts,
    testing::Values(QuoteRow{"Short", "PLC-5", "\"PLC-5\""},
                    QuoteRow{"EightyWhole", std::string(80, 'x'), inQuotes(std::string(80, 'x'))},
                    QuoteRow{"EightyOneCut", std::string(81, 'x'),
                             inQuotes(std::string(80, 'x'), "...")},
                    QuoteRow{"CharactersNotBytes", "\xC3\xA9" + std::string(99, 'x'),
                             inQuotes("\xC3\xA9" + std::string(79, 'x'), "...")}),
    Corvane::Testing::RowName{});

struct StreamRun {
    bool clean = false;
    std::vector<nlohmann::json> lines;
};

StreamRun stream(const std::string &input)
{
    Corvane::Testing::StringSource source(input);
    Corvane::Answers::InputBuffer in(source);
    Corvane::Testing::StringSink sink;
    StreamRun run;
    {
        Corvane::Answers::Output out(sink);
        run.clean = runJsonLines(in, out).clean;
        out.flush();
    }
    std::istringstream lines(sink.text);
    for (std::string line; std::getline(lines, line);)
        run.lines.push_back(nlohmann::json::parse(line));
    return run;
}

// One request line and the result line it gets.
struct LineRow {
    const char *name;
    std::string line;
    std::string result; // the whole result object, or the fields that matter
    bool whole;
};

class JsonLineRequests : public testing::TestWithParam<LineRow> {};

TEST_P(JsonLineRequests, GetTheirResult)
{
    const LineRow &row = GetParam();
    const StreamRun run = stream(row.line + "\n");
    ASSERT_EQ(run.lines.size(), 1u);
    const auto expected = nlohmann::json::parse(row.result);
    if (row.whole) {
        EXPECT_EQ(run.lines[0], expected);
    } else {
        for (const auto &item : expected.items())
            EXPECT_EQ(run.lines[0].at(item.key()), item.value()) << item.key();
    }
    EXPECT_EQ(run.clean, !run.lines[0].contains("error"));
}

INSTANTIATE_TEST_SUITE_P(
    Slave, JsonLineRequests,
    testing::Values(
        LineRow{"TextFields", R"({"mode":"slave","address":"N7:4/5","start":"40001","count":"10"})",
                R"({"ok":true,"file":7,"word":4,"modicon_start":40001,"modicon_end":40010})",
                false},
        LineRow{"NumberFields", R"({"mode":"slave","address":"N7:4/5","start":6,"count":10})",
                R"({"file":7,"word":4,"modicon_start":1,"modicon_end":15})", false},
        LineRow{"FractionRoundsHalfToEven",
                R"({"mode":"slave","address":"N7:0","start":40001.5,"count":2.5})",
                R"({"modicon_start":40002,"modicon_end":40003})", false},
        LineRow{"ExactDecimalBeyondDouble",
                R"({"mode":"slave","address":"N7:0","start":40001,"count":2.5000000000000000001})",
                R"({"modicon_end":40003})", false},
        LineRow{
            "MissingFieldsAreEmptyTexts", R"({"mode":"slave","address":"N7:0"})",
            R"({"ok":false,"code":11,"title":"An Error has Occured!",)"
            R"("message":"Invalid Modbus Register/Coil\r\nA Modbus Register/Coil is out of Range",)"
            R"("warnings":[{"field":"start","text":"","read_as":0,"reason":"no number",)"
            R"("message":"start \"\" holds no number: read as 0"},)"
            R"({"field":"count","text":"","read_as":0,"reason":"no number",)"
            R"("message":"count \"\" holds no number: read as 0"}]})",
            true},
        LineRow{"NullIsMissing", R"({"mode":"slave","address":"N7:0","start":null,"count":5})",
                R"({"code":10})", false},
        LineRow{"CarriageReturnEndingIgnored",
                "{\"mode\":\"slave\",\"address\":\"N7:0\",\"start\":1,\"count\":1}\r",
                R"({"ok":true,"modicon_end":1})", false}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    Master, JsonLineRequests,
    testing::Values(
        LineRow{"FullTexts",
                R"({"mode":"master","plc":"5","format":"NXYZ:Z","message_type":" Read",)"
                R"j("command":" 03 - Read Holding Registers  (4X)",)j"
                R"("subfunction":" 00 - Return Data Query","register":"1234","slave":"5"})",
                R"({"ok":true,"address":"N451:234"})", false},
        LineRow{"ShortcutsAndNumbers",
                R"({"mode":"master","plc":3,"command":5,"register":12,"slave":8})",
                R"({"ok":true,"address":"F8:12","modicon_start":12})", false},
        LineRow{"StartUpValues", R"({"mode":"master","register":"100","slave":"5"})",
                R"({"ok":true,"address":"N5:100"})", false},
        LineRow{"MessageTypeFollowsCommand",
                R"({"mode":"master","plc":"3","command":"15","register":"1","slave":"0"})",
                R"({"ok":true,"address":"B0:1"})", false},
        LineRow{"ReadShortcutToBroadcast",
                R"({"mode":"master","plc":"3","message_type":"read","command":"15",)"
                R"("register":"1","slave":"0"})",
                R"({"ok":false,"code":8})", false},
        LineRow{"EmptyCommandTextNamesNoCommand",
                R"({"mode":"master","command":"","register":"100","slave":"5"})",
                R"({"ok":false,"line":1,"error":"command \"\" is no Modbus command: use 01 to )"
                R"(06, 08, 15 or 16, or the command's full text"})",
                true},
        LineRow{"BadPlc", R"({"mode":"master","plc":"PLC-5"})",
                R"({"ok":false,"line":1,"error":"plc must be 5 or 3, not \"PLC-5\""})", true}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    Invalid, JsonLineRequests,
    testing::Values(
        LineRow{"NotJson", "slave N7:0 1 1", R"({"ok":false,"line":1})", false},
        LineRow{"EmptyLine", "",
                R"({"ok":false,"line":1,"error":"empty line: a request must be a JSON object"})",
                true},
        LineRow{"Array", "[1,2]",
                R"({"ok":false,"line":1,"error":"a request must be a JSON object"})", true},
        LineRow{"TopLevelText", R"("slave")",
                R"({"ok":false,"line":1,"error":"a request must be a JSON object"})", true},
        LineRow{
            "NoMode", R"({"address":"N7:0"})",
            R"({"ok":false,"line":1,"error":"no mode: give \"mode\" as \"slave\" or \"master\""})",
            true},
        LineRow{
            "UnknownMode", R"({"mode":"Slave"})",
            R"({"ok":false,"line":1,"error":"mode must be \"slave\" or \"master\", not \"Slave\""})",
            true},
        LineRow{
            "BooleanValue", R"({"mode":"slave","count":true})",
            R"({"ok":false,"line":1,"error":"field \"count\" must be a text or a number, not true or false"})",
            true},
        LineRow{
            "NestedObject", R"({"mode":"slave","start":{"v":1}})",
            R"({"ok":false,"line":1,"error":"field \"start\" must be a text or a number, not an object"})",
            true},
        LineRow{"FieldTwice", R"({"mode":"slave","start":"1","start":"2"})",
                R"({"ok":false,"line":1,"error":"field \"start\" is given twice"})", true},
        LineRow{
            "OtherModesField", R"({"mode":"master","address":"N7:0"})",
            R"({"ok":false,"line":1,"error":"field \"address\" does not belong to a master request"})",
            true},
        LineRow{"UnknownField", R"({"mode":"slave","adress":"N7:0"})",
                R"({"ok":false,"line":1,"error":"unknown field \"adress\""})", true},
        LineRow{"TrailingText", R"({"mode":"slave"} x)", R"({"ok":false,"line":1})", false}),
    Corvane::Testing::RowName{});

// The JSON grammar, as a request line meets it: what is not JSON says where.
INSTANTIATE_TEST_SUITE_P(
    Grammar, JsonLineRequests,
    testing::Values(
        LineRow{
            "UnclosedText", R"({"mode":"slave)",
            R"({"ok":false,"line":1,"error":"not valid JSON: a text is not closed at column 15"})",
            true},
        LineRow{"UnknownEscape", R"({"mode":"sl\x"})",
                R"({"error":"not valid JSON: a text holds an unknown escape at column 13"})",
                false},
        LineRow{
            "LoneSurrogate", R"({"mode":"\ud800"})",
            R"({"error":"not valid JSON: a \\u escape is half of a surrogate pair at column 16"})",
            false},
        LineRow{"ShortUnicodeEscape", R"({"a":"\u12"})",
                R"({"error":"not valid JSON: a \\u escape needs four hex digits at column 11"})",
                false},
        LineRow{
            "TabInsideAText", "{\"mode\":\"a\tb\"}",
            R"({"error":"not valid JSON: a control character stands unescaped in a text at column 11"})",
            false},
        LineRow{"BytesThatAreNotUtf8", "{\"mode\":\"\xC0\x80\"}",
                R"({"error":"not valid JSON: a text holds bytes that are not UTF-8 at column 10"})",
                false},
        LineRow{"LeadingZero", R"({"count":01})",
                R"({"error":"not valid JSON: expected ',' or '}' at column 11"})", false},
        LineRow{"FractionWithoutDigits", R"({"count":1.})",
                R"({"error":"not valid JSON: a number is not complete at column 12"})", false},
        LineRow{"MissingValue", R"({"count":})",
                R"({"error":"not valid JSON: expected a value at column 10"})", false},
        LineRow{"MisspeltLiteral", R"({"a":tru})",
                R"({"error":"not valid JSON: expected a value at column 6"})", false},
        LineRow{"TrailingComma", R"({"mode":"slave",})",
                R"({"error":"not valid JSON: expected a text as the field name at column 17"})",
                false},
        LineRow{"UnbalancedBrackets", R"({"x":[1,2})",
                R"({"error":"not valid JSON: expected ',' or ']' at column 10"})", false},
        LineRow{"NestedValuesAreCheckedThenRefused", R"({"mode":"slave","x":[[[[1]]],{"a":[]}]})",
                R"({"error":"field \"x\" must be a text or a number, not an array"})", false},
        LineRow{"EscapesDecoded",
                R"({"mode":"sl\u0061ve","address":"N7\u003a0","start":"1","count":"1"})",
                R"({"ok":true,"modicon_end":1})", false},
        LineRow{"SurrogatePairDecoded", R"({"mode":"\ud83d\ude00"})",
                "{\"error\":\"mode must be \\\"slave\\\" or \\\"master\\\", not "
                "\\\"\xF0\x9F\x98\x80\\\"\"}",
                false},
        LineRow{"ExponentsReadAsDecimalText",
                R"({"mode":"slave","start":1E+2,"address":"N7:0","count":-0.5e1})",
                R"({"ok":true,"modicon_start":100,"modicon_end":94})", false},
        LineRow{"BlanksAroundTheObject", "  {\"mode\":\"slave\"} \t ", R"({"ok":false,"code":11})",
                false},
        LineRow{"LongFieldNameQuotedShort",
                R"({"mode":"slave",")" + std::string(100, 'n') + R"(":1})",
                R"({"error":"unknown field \")" + std::string(80, 'n') + R"(\"..."})", false}),
    Corvane::Testing::RowName{});

TEST(JsonLinesStream, OneResultPerLineInOrderAndGoesOnAfterBadLines)
{
    const StreamRun run = stream(R"({"mode":"slave","address":"N7:0","start":1,"count":1})"
                                 "\n"
                                 "nonsense\n"
                                 "\n"
                                 R"({"mode":"master","register":"100","slave":"5"})"
                                 "\n"
                                 R"({"mode":"slave","address":"F8/3","start":1,"count":1})");
    EXPECT_FALSE(run.clean);
    ASSERT_EQ(run.lines.size(), 5u);
    EXPECT_EQ(run.lines[0]["modicon_end"], 1);
    EXPECT_EQ(run.lines[1]["line"], 2);
    EXPECT_EQ(run.lines[2]["line"], 3);
    EXPECT_EQ(run.lines[3]["address"], "N5:100");
    EXPECT_EQ(run.lines[4]["code"], 10) << "the last line needs no line break";
}

TEST(JsonLinesStream, RefusalsAreValidRequests)
{
    const StreamRun run = stream(R"({"mode":"slave","address":"F8/3","start":1,"count":1})"
                                 "\n");
    EXPECT_TRUE(run.clean);
    EXPECT_EQ(run.lines[0]["ok"], false);
}

TEST(JsonLinesStream, InvalidUtf8InAnErrorIsReplaced)
{
    const StreamRun run = stream("{\"mode\":\"\xff\"}\n");
    ASSERT_EQ(run.lines.size(), 1u);
    EXPECT_EQ(run.lines[0]["ok"], false);
}

} // namespace
