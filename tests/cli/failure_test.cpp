// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// What corvane-cli does when its input or output fails it, or when the input
// is not what a table or a request stream should be: the exit status, the one
// message, and every row that must still come out.
#include "cli/files.h"
#include "clitesting.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

using namespace Corvane::Cli;
using Corvane::Answers::kLongestRecord;
using Corvane::Testing::FailingSink;
using Corvane::Testing::FailingSource;
using Corvane::Testing::StringSink;
using Corvane::Testing::StringSource;

constexpr std::size_t kLimit = kLongestRecord;

// Every output line but the last, split at LF with the CR of a CR LF removed.
std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The output has exactly these lines, each starting as given.
void expectLines(const std::string &text, const std::vector<std::string> &starts)
{
    const std::vector<std::string> lines = linesOf(text);
    ASSERT_EQ(lines.size(), starts.size()) << text.substr(0, 2000);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].substr(0, starts[i].size()), starts[i]) << "line " << i + 1;
}

const std::string kHeader = "mode,address,start,count\n";
const std::string kGoodRow = "slave,N7:0,40001,10\n";
const std::string kOutHeader = "mode,address,start,count,result,file,word,modicon_start,";
const std::string kGoodOut = "slave,N7:0,40001,10,ok,7,0,40001,40010,";
const std::string kGoodRequest = R"({"mode":"slave","address":"N7:0","start":1,"count":1})";
const std::string kGoodAnswer = R"({"ok":true,"file":7,"word":0,"modicon_start":1,)";

// A row of `count` commas: count + 1 empty fields, `count` bytes.
std::string commas(std::size_t count) { return std::string(count, ',') + "\n"; }

// The good request padded with blanks to `length` bytes.
std::string requestOfLength(std::size_t length)
{
    std::string line = kGoodRequest;
    line.insert(line.size() - 1, length - line.size(), ' ');
    return line;
}

std::string fieldsMessage(std::size_t fields)
{
    return ",,,,invalid,,,,,,,\"the row has " + std::to_string(fields) + " fields, the header 4\",";
}

const std::string kOverlongRow = ",,,,invalid,,,,,,,the row is longer than 65536 bytes,";

enum class Sink { Text, FullAfter, PipeClosedAfter };
enum class Source { Text, FailsAfterText };

struct FailureRow {
    const char *name;
    std::vector<std::string> arguments;
    std::string input;
    int status;
    std::string err;              // the whole of standard error
    std::vector<std::string> out; // how every output line starts
    Sink sink = Sink::Text;       // the output fails after `room` bytes
    std::size_t room = 0;
    Source source = Source::Text; // the input fails after the text
};

class Failures : public testing::TestWithParam<FailureRow> {};

TEST_P(Failures, EndWithTheirStatusMessageAndRows)
{
    const FailureRow &row = GetParam();
    std::vector<std::string> arguments = row.arguments;
    arguments.insert(arguments.begin(), "corvane-cli");
    StringSource text(row.input);
    FailingSource failing(row.input, EIO);
    ByteSource &in = row.source == Source::Text ? static_cast<ByteSource &>(text) : failing;
    const int error = row.sink == Sink::FullAfter ? ENOSPC : EPIPE;
    FailingSink out(row.sink == Sink::Text ? std::string::npos : row.room, error);
    StringSink err;
    EXPECT_EQ(runCommandLine(arguments, {in, out, err}), row.status);
    EXPECT_EQ(err.text, row.err);
    expectLines(out.text, row.out);
}

INSTANTIATE_TEST_SUITE_P(
    Output, Failures,
    testing::Values(FailureRow{"FullDiskStopsTheBatchWithStatusThree",
                               {"batch", "-"},
                               kHeader + kGoodRow + kGoodRow + kGoodRow,
                               3,
                               "corvane-cli: cannot write the output: No space left on device\n",
                               {kOutHeader, kGoodOut, kGoodOut.substr(0, 10)},
                               Sink::FullAfter,
                               400},
                    FailureRow{"FullDiskAtTheFinalFlush",
                               {"slave", "N7:0", "40001", "10"},
                               "",
                               3,
                               "corvane-cli: cannot write the output: No space left on device\n",
                               {},
                               Sink::FullAfter,
                               0},
                    FailureRow{"ClosedPipeEndsQuietly",
                               {"--jsonl"},
                               kGoodRequest + "\n" + kGoodRequest + "\n",
                               141,
                               "",
                               {kGoodAnswer.substr(0, 20)},
                               Sink::PipeClosedAfter,
                               20},
                    FailureRow{"HelpToAFullDisk",
                               {"--help"},
                               "",
                               3,
                               "corvane-cli: cannot write the output: No space left on device\n",
                               {},
                               Sink::FullAfter,
                               0}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    Input, Failures,
    testing::Values(FailureRow{"ReadErrorKeepsTheRowsReadBefore",
                               {"batch", "-"},
                               kHeader + kGoodRow + "slave,N7:0,400",
                               3,
                               "corvane-cli: cannot read standard input: Input/output error\n",
                               {kOutHeader, kGoodOut},
                               Sink::Text,
                               0,
                               Source::FailsAfterText},
                    FailureRow{"ReadErrorInJsonLines",
                               {"--jsonl"},
                               kGoodRequest + "\n",
                               3,
                               "corvane-cli: cannot read standard input: Input/output error\n",
                               {kGoodAnswer},
                               Sink::Text,
                               0,
                               Source::FailsAfterText},
                    FailureRow{"ReadErrorBeforeTheHeader",
                               {"check", "-"},
                               "",
                               3,
                               "corvane-cli: cannot read standard input: Input/output error\n",
                               {},
                               Sink::Text,
                               0,
                               Source::FailsAfterText}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    RecordLimit, Failures,
    testing::Values(
        FailureRow{"SeparatorsUpToTheLimitAreARow",
                   {"batch", "-"},
                   kHeader + commas(kLimit - 1) + commas(kLimit) + kGoodRow,
                   2,
                   "",
                   {kOutHeader, fieldsMessage(kLimit), fieldsMessage(kLimit + 1), kGoodOut}},
        FailureRow{"OneSeparatorMoreIsOverlongAndTheNextRowStands",
                   {"batch", "-"},
                   kHeader + commas(kLimit + 1) + kGoodRow,
                   2,
                   "",
                   {kOutHeader, kOverlongRow, kGoodOut}},
        FailureRow{"TheLineEndIsNotCounted",
                   {"batch", "-"},
                   kHeader + std::string(kLimit, ',') + "\r\n" + kGoodRow,
                   2,
                   "",
                   {kOutHeader, fieldsMessage(kLimit + 1), kGoodOut}},
        FailureRow{
            "QuotesAreCounted",
            {"batch", "-"},
            kHeader + "\"" + std::string(kLimit - 2, 'x') + "\"\n" + "\"" +
                std::string(kLimit - 1, 'x') + "\"\n" + kGoodRow,
            2,
            "",
            {kOutHeader, std::string(kLimit - 2, 'x') + ",,,,invalid", kOverlongRow, kGoodOut}},
        // The quote costs its own line; the line of 65536 bytes after it is
        // one more row, and the good row after that is answered.
        FailureRow{"UnclosedQuoteCostsItsLine",
                   {"batch", "-"},
                   kHeader + "slave,\"N7:0\n" + std::string(kLimit, 'x') + "\n" + kGoodRow,
                   2,
                   "",
                   {kOutHeader,
                    ",,,,invalid,,,,,,,the row breaks the CSV format: a quote opened on line 2 "
                    "is not closed,",
                    std::string(40, 'x'), kGoodOut}},
        FailureRow{"EndlessRowIsReported",
                   {"batch", "-"},
                   kHeader + kGoodRow + std::string(3 * kLimit, 'x'),
                   2,
                   "",
                   {kOutHeader, kGoodOut, kOverlongRow}},
        FailureRow{"JsonLineUpToTheLimit",
                   {"--jsonl"},
                   requestOfLength(kLimit - 1) + "\n" + requestOfLength(kLimit) + "\r\n",
                   0,
                   "",
                   {kGoodAnswer, kGoodAnswer}},
        FailureRow{"JsonLineOverTheLimitAndTheNextOneStands",
                   {"--jsonl"},
                   requestOfLength(kLimit + 1) + "\n" + kGoodRequest + "\n",
                   2,
                   "",
                   {R"({"ok":false,"line":1,"error":"the line is longer than 65536 bytes"})",
                    kGoodAnswer}},
        FailureRow{"HugeJsonTextValue",
                   {"--jsonl"},
                   R"({"mode":"slave","address":")" + std::string(5 * kLimit, 'x') + "\"}\n" +
                       kGoodRequest,
                   2,
                   "",
                   {R"({"ok":false,"line":1,"error":"the line is longer than 65536 bytes"})",
                    kGoodAnswer}}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    Header, Failures,
    testing::Values(
        FailureRow{"CarriageReturnsEndLines",
                   {"batch", "-"},
                   "mode,address,start,count\rslave,N7:0,40001,10\rslave,N7:0,40001,10",
                   0,
                   "",
                   {kOutHeader, kGoodOut, kGoodOut}},
        FailureRow{"UnclosedQuoteInTheHeader",
                   {"batch", "-"},
                   "mode,\"address,start,count\n" + kGoodRow,
                   2,
                   "corvane-cli: standard input: the header row breaks the CSV format: a quote "
                   "opened on line 1 is not closed\n",
                   {}},
        FailureRow{"QuoteInsideAHeaderName",
                   {"batch", "-"},
                   "mode,add\"ress,start,count\n" + kGoodRow,
                   2,
                   "corvane-cli: standard input: the header row breaks the CSV format: a quote "
                   "stands inside a field that is not quoted as a whole\n",
                   {}},
        FailureRow{"HeaderWithoutALineEndWithinTheLimit",
                   {"batch", "-"},
                   "mode,address,start,count" + std::string(kLimit, ',') + "\n" + kGoodRow,
                   2,
                   "corvane-cli: standard input: the header row is longer than 65536 bytes\n",
                   {}},
        FailureRow{"HeaderNamingNoColumn",
                   {"check", "-"},
                   "a,b,c\n1,2,3\n",
                   2,
                   "corvane-cli: standard input: the header row names no column of a request: "
                   "mode, address, start, count, plc, format, message_type, command, "
                   "subfunction, register or slave\n",
                   {}},
        FailureRow{"TakenColumnNamesGetASuffix",
                   {"batch", "-"},
                   "mode,address,start,count,Result,note,note\nslave,N7:0,40001,10,x,y,z\n",
                   0,
                   "",
                   {"mode,address,start,count,Result_2,note,note_2,result,",
                    "slave,N7:0,40001,10,x,y,z,ok,"}}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    JsonGrammar, Failures,
    testing::Values(
        FailureRow{"NulAndTextAfterTheObject",
                   {"--jsonl"},
                   kGoodRequest + std::string(1, '\0') + "junk{{\n" + kGoodRequest + " \t\n",
                   2,
                   "",
                   {R"({"ok":false,"line":1,"error":"not valid JSON: text after the value at )"
                    R"(column 54"})",
                    kGoodAnswer}},
        FailureRow{"HugeExponentIsOutOfRangeNotInvalid",
                   {"--jsonl"},
                   R"({"mode":"slave","address":"N7:0","start":1e999,"count":1})"
                   "\n",
                   0,
                   "",
                   {R"({"ok":false,"code":11,)"}},
        FailureRow{"LongNumberIsQuotedShort",
                   {"--jsonl"},
                   R"({"mode":"master","plc":)" + std::string(5000, '9') + "}\n",
                   2,
                   "",
                   {R"({"ok":false,"line":1,"error":"plc must be 5 or 3, not \")" +
                    std::string(80, '9') + R"(\"..."})"}}),
    Corvane::Testing::RowName{});

#ifndef _WIN32
// The built program under a shell, where the failures are the system's own:
// /dev/full, closed descriptors, a pipe whose reader left, a directory.
struct ProcessRow {
    const char *name;
    std::string script; // bash; $P is the program, $T a directory of tables
    int status;
    std::string err; // the whole of standard error, $T replaced
};

class ProcessFailures : public testing::TestWithParam<ProcessRow> {};

std::string readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string replaced(std::string text, const std::string &from, const std::string &to)
{
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

// A directory of tables for one test, apart from every other test's: ctest
// runs the tests of this table side by side.
std::filesystem::path tables(const std::string &name)
{
    const auto path = std::filesystem::path(testing::TempDir()) /
                      ("corvane_cli_failures_" + name + "_" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    std::ofstream(path / "table.csv") << kHeader << kGoodRow;
    std::ofstream big(path / "big.csv");
    big << kHeader;
    for (int i = 0; i < 20'000; ++i)
        big << kGoodRow;
    return path;
}

TEST_P(ProcessFailures, EndWithTheirStatusAndMessage)
{
    const ProcessRow &row = GetParam();
    const std::filesystem::path directory = tables(row.name);
    const auto script = directory / "run.sh";
    std::ofstream(script) << "P='" << CORVANE_CLI_PROGRAM << "'\nT='" << directory.string() << "'\n"
                          << row.script << "\n";
    const std::string command = "bash '" + script.string() + "' > '" +
                                (directory / "out").string() + "' 2> '" +
                                (directory / "err").string() + "'";
    const int result = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(result));
    EXPECT_EQ(WEXITSTATUS(result), row.status);
    EXPECT_EQ(readFile(directory / "err"), replaced(row.err, "$T", directory.string()));
    std::filesystem::remove_all(directory);
}

INSTANTIATE_TEST_SUITE_P(
    Program, ProcessFailures,
    testing::Values(
        ProcessRow{"SlaveToFullDevice", R"("$P" slave N7:0 40001 10 > /dev/full)", 3,
                   "corvane-cli: cannot write the output: No space left on device\n"},
        ProcessRow{"BatchToFullDevice", R"("$P" batch "$T/big.csv" > /dev/full)", 3,
                   "corvane-cli: cannot write the output: No space left on device\n"},
        ProcessRow{"CheckToFullDevice", R"("$P" check --json "$T/table.csv" > /dev/full)", 3,
                   "corvane-cli: cannot write the output: No space left on device\n"},
        ProcessRow{"BatchWithOutputClosed", R"("$P" batch "$T/table.csv" >&-)", 3,
                   "corvane-cli: cannot write the output: Bad file descriptor\n"},
        ProcessRow{"BrokenPipeWithSigpipeIgnored",
                   "trap '' PIPE\n\"$P\" batch \"$T/big.csv\" | head -c 1 > /dev/null\n"
                   "exit ${PIPESTATUS[0]}",
                   141, ""},
        ProcessRow{"BrokenPipeEndsBySigpipe",
                   "\"$P\" batch \"$T/big.csv\" | head -c 1 > /dev/null\nexit ${PIPESTATUS[0]}",
                   128 + 13, ""},
        ProcessRow{"DirectoryAsTable", R"("$P" batch "$T")", 3,
                   "corvane-cli: cannot read $T: Is a directory\n"},
        ProcessRow{"DirectoryAsStandardInput", R"("$P" --jsonl < "$T")", 3,
                   "corvane-cli: cannot read standard input: Is a directory\n"},
        ProcessRow{"StandardInputClosed", R"("$P" batch - <&-)", 3,
                   "corvane-cli: cannot read standard input: Bad file descriptor\n"},
        ProcessRow{"MissingTable", R"("$P" check "$T/none.csv")", 3,
                   "corvane-cli: cannot open $T/none.csv: No such file or directory\n"},
        // Output appended to its own input would never end.
        ProcessRow{"BatchAppendingToItsTable", R"("$P" batch "$T/table.csv" >> "$T/table.csv")", 3,
                   "corvane-cli: $T/table.csv is the output as well: the run would read what it "
                   "writes\n"},
        ProcessRow{"CheckWritingOverItsTable", R"("$P" check "$T/table.csv" 1<> "$T/table.csv")", 3,
                   "corvane-cli: $T/table.csv is the output as well: the run would read what it "
                   "writes\n"},
        ProcessRow{"JsonLinesAppendingToItsInput",
                   R"("$P" --jsonl < "$T/table.csv" >> "$T/table.csv")", 3,
                   "corvane-cli: standard input is the output as well: the run would read what "
                   "it writes\n"},
        // A signal between rows: the rows written are whole, and the message
        // names the last one answered. The script fails with 99 when the
        // output is not the header and two whole rows.
        ProcessRow{"InterruptedBatchWritesWholeRows",
                   "mkfifo \"$T/in\"\n"
                   "\"$P\" batch \"$T/in\" > \"$T/rows\" & program=$!\n"
                   "exec 3> \"$T/in\"\n"
                   "printf 'mode,address,start,count\\nslave,N7:0,40001,1\\nslave,N7:1,40002,1\\n"
                   "slave,N7:2,' >&3\n"
                   "for i in $(seq 100); do [ \"$(wc -l < \"$T/rows\")\" = 3 ] && break; "
                   "sleep 0.05; done\n"
                   "kill -INT $program\nwait $program; status=$?\nexec 3>&-\n"
                   "[ \"$(wc -l < \"$T/rows\")\" = 3 ] && [ \"$(tail -c 2 \"$T/rows\" | od -An -c "
                   "| tr -d ' ')\" = '\\r\\n' ] || exit 99\n"
                   "exit $status",
                   128 + 2, "corvane-cli: stopped by SIGINT after row 2\n"}),
    Corvane::Testing::RowName{});
#endif

} // namespace
