// The built program itself, run through the shell: arguments, streams and
// exit statuses as a script sees them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>

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
    const std::string command =
        std::string("'") + CORVANE_CLI_PROGRAM + "' " + arguments + " " + redirect;
    ProcessRun run;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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

} // namespace
