// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// batch, check and --jsonl as the command line runs them: standard input,
// options and exit statuses around the answers layer.
#include "clitesting.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Corvane::Testing::runCli;
using testing::HasSubstr;
using testing::StartsWith;

TEST(Batch, StandardInputThroughTheCommandLine)
{
    const auto run = runCli({"batch", "-"}, "mode,address,start,count\nslave,N7:0,40001,10\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.out, HasSubstr("\r\nslave,N7:0,40001,10,ok,7,0,40001,40010,"));
}

TEST(Batch, SpreadsheetSafetyOnlyWhenAskedFor)
{
    const std::string table = "mode,address,start,count,@note\nslave,N7:0,40001,-5,=2+5\n";
    const auto safe = runCli({"batch", "--safe-for-spreadsheets", "-"}, table);
    EXPECT_EQ(safe.status, 0);
    EXPECT_THAT(safe.out, StartsWith("mode,address,start,count,'@note,result,"));
    EXPECT_THAT(safe.out, HasSubstr("\r\nslave,N7:0,40001,-5,'=2+5,ok,7,0,40001,39995,"));
    const auto verbatim = runCli({"batch", "-"}, table);
    EXPECT_THAT(verbatim.out, HasSubstr("\r\nslave,N7:0,40001,-5,=2+5,ok,"));
}

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
              R"("invalid":1,"overlaps":1,"overlaps_listed":1,"warnings":0})"
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

// Hands over one request per read and notes what the output held when the
// next one was asked for, as a program at the other end of a pipe sees it.
class PacedSource : public Corvane::Answers::ByteSource {
public:
    PacedSource(std::vector<std::string> lines, const Corvane::Testing::StringSink &sink)
        : m_lines(std::move(lines)), m_sink(sink)
    {
    }
    Corvane::Answers::IoResult read(char *buffer, std::size_t size) override
    {
        seenBeforeRead.push_back(m_sink.text);
        if (m_next == m_lines.size())
            return {0, 0};
        const std::string &line = m_lines[m_next++];
        const std::size_t count = std::min(size, line.size());
        line.copy(buffer, count);
        return {count, 0};
    }
    std::string_view name() const override { return "standard input"; }
    std::vector<std::string> seenBeforeRead;

private:
    std::vector<std::string> m_lines;
    const Corvane::Testing::StringSink &m_sink;
    std::size_t m_next = 0;
};

TEST(JsonLinesStream, EachAnswerIsOutBeforeTheNextRequestIsAwaited)
{
    const std::string request = R"({"mode":"slave","address":"N7:0","start":1,"count":1})"
                                "\n";
    Corvane::Testing::StringSink sink;
    PacedSource source({request, request}, sink);
    const std::vector<std::string> arguments{"corvane-cli", "--jsonl"};
    Corvane::Testing::StringSink err;
    EXPECT_EQ(Corvane::Cli::runCommandLine(arguments, {source, sink, err}), 0);
    ASSERT_EQ(source.seenBeforeRead.size(), 3u);
    EXPECT_EQ(source.seenBeforeRead[0], "");
    EXPECT_EQ(std::count(source.seenBeforeRead[1].begin(), source.seenBeforeRead[1].end(), '\n'),
              1);
    EXPECT_EQ(std::count(source.seenBeforeRead[2].begin(), source.seenBeforeRead[2].end(), '\n'),
              2);
}

TEST(JsonLinesStream, ThroughTheCommandLine)
{
    const auto run =
        runCli({"--jsonl"}, R"({"mode":"slave","address":"N7:0","start":"40001","count":"10"})"
                            "\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.out, testing::StartsWith(R"({"ok":true,"file":7,"word":0,)"));
}

} // namespace
