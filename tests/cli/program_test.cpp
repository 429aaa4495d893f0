// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// The built program itself, run through the shell: arguments, streams and
// exit statuses as a script sees them.
#include "tests/support/rowname.h"
#include <gmock/gmock.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <string>
#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

using testing::HasSubstr;

struct ProcessRun {
    int status = -1;
    std::string output;
};

// `redirect` chooses the stream read: "2>/dev/null" for standard output,
// "2>&1 >/dev/null" for standard error.
ProcessRun runProgram(const std::string &arguments, const std::string &redirect)
{
    std::string command =
        std::string("'") + CORVANE_CLI_PROGRAM + "' " + arguments + " " + redirect;
#ifdef _WIN32
    // cmd.exe runs it there: it quotes with double quotes only, calls the
    // null device NUL, and drops the outer pair of quotes of a command line
    // that starts with one.
    for (std::size_t at; (at = command.find("/dev/null")) != std::string::npos;)
        command.replace(at, 9, "NUL");
    std::replace(command.begin(), command.end(), '\'', '"');
    command = '"' + command + '"';
#endif
    ProcessRun run;
#ifdef _WIN32
    FILE *pipe = _popen(command.c_str(), "rb");
#else
    FILE *pipe = popen(command.c_str(), "r");
#endif
    if (!pipe)
        return run;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.output.append(buffer, n);
#ifdef _WIN32
    run.status = _pclose(pipe);
#else
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    return run;
}

ProcessRun standardOutput(const std::string &arguments)
{
    return runProgram(arguments, "2>/dev/null");
}

ProcessRun standardError(const std::string &arguments)
{
    return runProgram(arguments, "2>&1 >/dev/null");
}

TEST(Program, SlaveBitOntoCoils)
{
    const ProcessRun run = standardOutput("slave 'N7:4/5' 6 10");
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.output, testing::StartsWith("file 7 word 4 modicon 1-15\n"));
}

TEST(Program, RefusalGoesToStandardErrorWithStatusTwo)
{
    const ProcessRun run = standardError("slave 'F8/3' 1 1");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.output,
              "An Error has Occured!\n"
              "Invalid Modbus Register/Coil\n"
              "Due to the needed offset when mapping the desired AB bit to a Modbus Coil,\n"
              "The value of the Modicon Start Register has been adjusted to a value that is out "
              "of Range\n");
    EXPECT_EQ(standardOutput("slave 'F8/3' 1 1").output, "");
}

TEST(Program, NegativeCountIsATextNotAnOption)
{
    const ProcessRun run = standardOutput("slave N7:0 40010 -5");
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.output, testing::StartsWith("file 7 word 0 modicon 40010-40004\n"));
}

TEST(Program, UsageErrorIsOneLineWithStatusOne)
{
    const ProcessRun run = standardError("slave N7:0");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output.find('\n'), run.output.size() - 1);
}

TEST(Program, MasterJson)
{
    const ProcessRun run =
        standardOutput("master --json --format NXYZ:Z --command 03 --register 1234 --slave 5");
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.output, testing::StartsWith(R"({"ok":true,"address":"N451:234",)"));
}

TEST(Program, JsonLinesFromStandardInput)
{
    const std::string input = testing::TempDir() + "corvane_cli_requests.jsonl";
    {
        std::ofstream file(input);
        file << R"({"mode":"slave","address":"N7:4/5","start":"40001","count":"10"})"
             << "\nbroken\n";
    }
    const ProcessRun run = standardOutput("--jsonl < '" + input + "'");
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.output, HasSubstr(R"({"ok":false,"line":2,"error":"not valid JSON)"));
}

TEST(Program, VersionAndHelp)
{
    EXPECT_EQ(standardOutput("--version").output, "1.3\n");
    const ProcessRun help = standardOutput("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.output, HasSubstr("decode"));
    EXPECT_THAT(help.output, HasSubstr("batch"));
}

// A table edited on Windows ends its lines in CRLF, one from Linux in LF; the
// program reads both alike and writes the same bytes for them on every
// system: CSV rows end in exactly one CRLF, JSON Lines in a bare LF.
struct LineEndRun {
    const char *name;
    const char *command; // `{}` stands for the input file
    const char *lines;   // '\n' ends a line
    const char *outputLineEnd;

    friend void PrintTo(const LineEndRun &run, std::ostream *out) { *out << run.name; }
};

class LineEnds : public testing::TestWithParam<LineEndRun> {
protected:
    ProcessRun runWith(const std::string &lineEnd) const
    {
        // ctest runs the rows side by side, so each has its own file.
        const std::string file =
            testing::TempDir() + "corvane_cli_line_ends_" + GetParam().name + ".txt";
        {
            std::ofstream out(file, std::ios::binary);
            for (const char *c = GetParam().lines; *c; ++c)
                out << (*c == '\n' ? lineEnd : std::string(1, *c));
        }
        std::string command = GetParam().command;
        command.replace(command.find("{}"), 2, "'" + file + "'");
        return standardOutput(command);
    }
};

TEST_P(LineEnds, GiveTheSameBytes)
{
    const ProcessRun lf = runWith("\n");
    const ProcessRun crlf = runWith("\r\n");
    EXPECT_EQ(crlf.status, lf.status);
    EXPECT_EQ(crlf.output, lf.output);
    const std::string lineEnd = GetParam().outputLineEnd;
    EXPECT_THAT(lf.output, testing::EndsWith(lineEnd));
    if (lineEnd == "\n")
        EXPECT_THAT(lf.output, testing::Not(HasSubstr("\r")));
    else
        EXPECT_THAT(lf.output, testing::Not(HasSubstr("\r\r")));
}

constexpr const char *kTable = "mode,address,start,count\n"
                               "slave,N7:4/5,40001,10\n"
                               "slave,F8/3,1,1\n";

INSTANTIATE_TEST_SUITE_P(
    Program, LineEnds,
    testing::Values(LineEndRun{"BatchCsv", "batch {}", kTable, "\r\n"},
                    LineEndRun{"BatchJsonLines", "batch --json {}", kTable, "\n"},
                    LineEndRun{"JsonLines", "--jsonl < {}",
                               R"({"mode":"slave","address":"N7:0","start":"40001","count":"10"})"
                               "\n"
                               R"({"mode":"master","register":"1234"})"
                               "\n",
                               "\n"}),
    Corvane::Testing::RowName{});

} // namespace
