// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// What corvane-cli reports around its answers: nothing wrong reported as
// right, every field read by a silent rule made visible, and one bad cell
// costing one row. One row per fault once seen, each with its status, its
// message and every line that still comes out.
#include "clitesting.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using Corvane::Testing::runCli;

#ifdef _WIN32
constexpr bool kOnWindows = true;
#else
constexpr bool kOnWindows = false;
#endif

struct ReportRow {
    const char *name;
    std::vector<std::string> arguments;
    std::string input;
    int status;
    std::vector<std::string> out; // each output line starts so, and there are no more
    std::string err;              // the whole of standard error
    std::string outHolds = {};    // and the output holds this
};

class Reports : public testing::TestWithParam<ReportRow> {};

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

TEST_P(Reports, GiveTheirStatusMessageAndLines)
{
    const ReportRow &row = GetParam();
    const auto run = runCli(row.arguments, row.input);
    EXPECT_EQ(run.status, row.status);
    EXPECT_EQ(run.err, row.err);
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), row.out.size()) << run.out.substr(0, 2000);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].substr(0, row.out[i].size()), row.out[i]) << "line " << i + 1;
    EXPECT_NE(run.out.find(row.outHolds), std::string::npos) << run.out;
}

const std::string kHeader = "mode,address,start,count\n";
const std::string kNoCommand =
    "is no Modbus command: use 01 to 06, 08, 15 or 16, or the command's full text";
// The result columns after an input row's cells, up to the error message.
const std::string kInvalid = "invalid,,,,,,,";

// A table of 20 slave rows whose first row opens a quote that nothing closes.
std::string strayQuoteTable()
{
    std::string table = kHeader + "slave,\"N7:0,40001,1\n";
    for (int i = 1; i < 20; ++i)
        table += "slave,N7:" + std::to_string(i) + "," + std::to_string(40001 + i) + ",1\n";
    return table;
}

std::vector<std::string> strayQuoteRows()
{
    std::vector<std::string> rows{
        "mode,address,start,count,result",
        ",,,," + kInvalid +
            "the row breaks the CSV format: a quote opened on line 2 is not closed"};
    for (int i = 1; i < 20; ++i)
        rows.push_back("slave,N7:" + std::to_string(i) + "," + std::to_string(40001 + i) + ",1,ok");
    return rows;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Reports,
    testing::Values(
        // The entry's text is named with the blanks around it aside.
        ReportRow{"BlanksAroundTheNumber",
                  {"master", "--format", "NXYZ:Z", "--command", "03 ", "--register", "1234",
                   "--slave", "5"},
                  "",
                  0,
                  {"N451:234", "holding registers (4X): start 41234"},
                  ""},
        ReportRow{"TextNamingNoCommand",
                  {"master", "--command", "garbage", "--json"},
                  "",
                  2,
                  {},
                  "corvane-cli: command \"garbage\" " + kNoCommand + "\n"},
        ReportRow{"TableRowNamingNoCommand",
                  {"batch", "-"},
                  "mode,command,register,slave\nmaster,garbage,1,1\nmaster,3,1,1\n",
                  2,
                  {"mode,command,register,slave,result",
                   "master,garbage,1,1," + kInvalid + "\"command \"\"garbage\"\" " + kNoCommand,
                   "master,3,1,1,ok"},
                  ""},
        ReportRow{"ReadUnderWrite",
                  {"--jsonl"},
                  R"({"mode":"master","plc":"3","message_type":"write","command":"03",)"
                  R"("register":"1","slave":"0"})"
                  "\n",
                  2,
                  {R"({"ok":false,"line":1,"error":"command \"03 - Read Holding Registers  (4X)\" )"
                   R"(reads: its message type is read, not write"})"},
                  ""}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    SilentReadings, Reports,
    testing::Values(
        ReportRow{"WordOutsideTheRange",
                  {"slave", "N7:2147483648", "40001", "10"},
                  "",
                  0,
                  {"file 7 word 0 modicon 40001-40010", "holding registers (4X)"},
                  "corvane-cli: warning: address word \"2147483648\" is outside the 32-bit range: "
                  "read as 0\n"},
        ReportRow{"CountWithoutNumberExplainsItsRefusal",
                  {"slave", "N7:0", "40001", "x"},
                  "",
                  2,
                  {},
                  "corvane-cli: warning: count \"x\" holds no number: read as 0\n"
                  "An Error has Occured!\nInvalid Modbus Register/Coil\n"
                  "A Modbus Register/Coil is out of Range\n"},
        ReportRow{"StrictRefusesARoundedCount",
                  {"slave", "--strict", "N7:0", "40001", "1.5"},
                  "",
                  2,
                  {},
                  "count \"1.5\": the fraction is rounded: read as 2 (refused: the readings are "
                  "strict)\n"},
        ReportRow{"RegisterOutsideSixteenBits",
                  {"master", "--json", "--register", "70000", "--slave", "5"},
                  "",
                  2,
                  {R"({"ok":false,"code":0,"title":"An Error has Occured!","message":"Invalid )"
                   R"(Register Value\r\nEnter a value between 1 and 9999","warnings":[{"field":)"
                   R"("register","text":"70000","read_as":-1,"reason":"out of range","message":)"
                   R"("register \"70000\" is outside the 16-bit range: read as -1"}]})"},
                  ""},
        ReportRow{"TableRowsCarryTheirWarnings",
                  {"batch", "-"},
                  kHeader + "slave,N7:4x,40001,10\nslave,N7:0,40001,10\n",
                  0,
                  {"mode,address,start,count,result", "slave,N7:4x,40001,10,ok,7,4,40001,40010",
                   "slave,N7:0,40001,10,ok,7,0,40001,40010"},
                  "",
                  "03,\"06,16\",\"address word \"\"4x\"\": \"\"x\"\" after the number is not "
                  "read: read as 4\"\r\nslave,N7:0,40001,10,ok,7,0,40001,40010,,,,holding "
                  "registers,4X,0,0x0000,400001,9,0x0009,400010,03,\"06,16\",\r\n"},
        ReportRow{"StrictTableRowIsRefused",
                  {"batch", "--strict", "-"},
                  kHeader + "slave,N7:4x,40001,10\n",
                  2,
                  {"mode,address,start,count,result",
                   "slave,N7:4x,40001,10," + kInvalid +
                       "\"address word \"\"4x\"\": \"\"x\"\" after the number is not read: read as "
                       "4 (refused"},
                  ""},
        ReportRow{"CheckListsWarnings",
                  {"check", "-"},
                  kHeader + "slave,N7:0,40001.5,1\nslave,N7:10,40005,1\n",
                  2,
                  {"row 1: warning, start \"40001.5\": the fraction is rounded: read as 40002",
                   "2 rows: 2 slave rows answered, 0 refused, 0 invalid, 1 with warnings; 0 "
                   "overlapping pairs"},
                  ""}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    Tables, Reports,
    testing::Values(
        // A run of no word ends before it starts: it covers nothing.
        ReportRow{"EmptyRunOverlapsNothing",
                  {"check", "-"},
                  kHeader + "slave,N7:0,40005,0\nslave,N7:10,40004,1\n",
                  2,
                  {"row 1: warning, the run holds no word or bit: it covers no Modicon number",
                   "2 rows: 2 slave rows answered, 0 refused, 0 invalid, 1 with warnings; 0 "
                   "overlapping pairs"},
                  ""},
        ReportRow{"SafeNamesStayUnique",
                  {"batch", "--safe-for-spreadsheets", "-"},
                  "=a,'=a,mode,address,start,count\n1,2,slave,N7:0,40001,1\n",
                  0,
                  {"'=a,'=a_2,mode,address,start,count,result", "1,2,slave,N7:0,40001,1,ok"},
                  ""},
        ReportRow{
            "StrayQuoteCostsOneRow", {"batch", "-"}, strayQuoteTable(), 2, strayQuoteRows(), ""},
        ReportRow{"StrayQuoteLeavesEveryRowCounted",
                  {"check", "-"},
                  strayQuoteTable(),
                  2,
                  {"row 1: invalid, the row breaks the CSV format: a quote opened on line 2 is "
                   "not closed",
                   "20 rows: 19 slave rows answered, 0 refused, 1 invalid; 0 overlapping pairs"},
                  ""},
        ReportRow{"FileNameOnOneLine",
                  {"batch", "no\nsuch.csv"},
                  "",
                  3,
                  {},
                  // Windows holds no line break in a file name.
                  std::string("corvane-cli: cannot open no\\nsuch.csv: ") +
                      (kOnWindows ? "Invalid argument\n" : "No such file or directory\n")}),
    Corvane::Testing::RowName{});

} // namespace
