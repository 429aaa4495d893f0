// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "cli/commandline.h"
#include "clitesting.h"
#include "tests/support/rowname.h"

#include <corvane/version.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace {

using Corvane::Cli::separatePositionals;
using Corvane::Testing::runCli;
using testing::HasSubstr;
using testing::StartsWith;

const std::string kCode10 =
    "An Error has Occured!\n"
    "Invalid Modbus Register/Coil\n"
    "Due to the needed offset when mapping the desired AB bit to a Modbus Coil,\n"
    "The value of the Modicon Start Register has been adjusted to a value that is out of Range\n";
const std::string kCode11 = "An Error has Occured!\n"
                            "Invalid Modbus Register/Coil\n"
                            "A Modbus Register/Coil is out of Range\n";

// Plain-text runs: what reaches standard output and standard error, exactly.
struct TextRow {
    const char *name;
    std::vector<std::string> arguments;
    int status;
    std::string out;
    std::string err;
};

class TextRuns : public testing::TestWithParam<TextRow> {};

TEST_P(TextRuns, PrintExactly)
{
    const TextRow &row = GetParam();
    const auto run = runCli(row.arguments);
    EXPECT_EQ(run.status, row.status);
    EXPECT_EQ(run.out, row.out);
    EXPECT_EQ(run.err, row.err);
}

INSTANTIATE_TEST_SUITE_P(
    Slave, TextRuns,
    testing::Values(
        TextRow{"BitAddressOntoCoilsMovesTheStart",
                {"slave", "N7:4/5", "6", "10"},
                0,
                "file 7 word 4 modicon 1-15\n"
                "coils (0X): offsets 0-14 (0x0000-0x000E), 6-digit 000001-000015; read with 01, "
                "write with 05, 15\n",
                ""},
        TextRow{"WordAddressOntoHoldingRegisters",
                {"slave", "N7:0", "40001", "10"},
                0,
                "file 7 word 0 modicon 40001-40010\n"
                "holding registers (4X): offsets 0-9 (0x0000-0x0009), 6-digit 400001-400010; "
                "read with 03, write with 06, 16\n",
                ""},
        TextRow{"DiscreteInputsAreReadOnly",
                {"slave", "B3/0", "10001", "32"},
                0,
                "file 3 word 0 modicon 10001-10032\n"
                "discrete inputs (1X): offsets 0-31 (0x0000-0x001F), 6-digit 100001-100032; read "
                "with 02, no write function\n",
                ""},
        TextRow{"SingleRegisterNamesOneOffset",
                {"slave", "N7:0", "30001", "1"},
                0,
                "file 7 word 0 modicon 30001-30001\n"
                "input registers (3X): offset 0 (0x0000), 6-digit 300001; read with 04, no write "
                "function\n",
                ""},
        TextRow{"NegativeCountReachesTheRules",
                {"slave", "N7:0", "40010", "-5"},
                0,
                "file 7 word 0 modicon 40010-40004\n"
                "holding registers (4X): offsets 9-3 (0x0009-0x0003), 6-digit 400010-400004; "
                "read with 03, write with 06, 16\n",
                ""},
        TextRow{"StartBeyondItsTableHasNoOffset",
                {"slave", "N7:0", "2000000000", "-1999950000"},
                0,
                "file 7 word 0 modicon 2000000000-49999\n"
                "holding registers (4X): offsets none to 9998 (0x270E), 6-digit none to 409999; "
                "read with 03, write with 06, 16\n",
                ""},
        TextRow{"FloatBitAddressRefusedWithCode10", {"slave", "F8/3", "1", "1"}, 2, "", kCode10},
        // A field read by a silent rule says so before the refusal it explains.
        TextRow{"EmptyStartReadsZero",
                {"slave", "N7:0", "", "10"},
                2,
                "",
                "corvane-cli: warning: start \"\" holds no number: read as 0\n" + kCode10},
        TextRow{"FractionBelowOneHalfIsStartZero",
                {"slave", "N7:0", "-.5", "1"},
                2,
                "",
                "corvane-cli: warning: start \"-.5\": the fraction is rounded: read as 0\n" +
                    kCode11},
        TextRow{"LeadingDashTextIsNoOption",
                {"slave", "-N7:0", "40001", "1"},
                2,
                "",
                "An Error has Occured!\nInvalid AB Datafile\nFiles less than 10 are reserved.\n"
                "Use the appropriate file type for files less than 10.\n"}),
    Corvane::Testing::RowName{});

INSTANTIATE_TEST_SUITE_P(
    Master, TextRuns,
    testing::Values(
        TextRow{"XyzWorkedExample",
                {"master", "--format", "NXYZ:Z", "--command", "03", "--register", "1234", "--slave",
                 "5"},
                0,
                "N451:234\nholding registers (4X): start 41234, offset 1233 (0x04D1), 6-digit "
                "401234; read with 03, write with 06, 16\n",
                ""},
        TextRow{"DefaultsAreCoilsUnderNxyy",
                {"master", "--register", "100", "--slave", "5"},
                0,
                "N5:100\ncoils (0X): start 100, offset 99 (0x0063), 6-digit 000100; read with 01, "
                "write with 05, 15\n",
                ""},
        TextRow{"DiagnosticsHasNoTable",
                {"master", "--plc", "3", "--command", "8", "--register", "1", "--slave", "20"},
                0,
                "D20:1\n",
                ""},
        TextRow{"WriteCommandDefaultsToWriteForBroadcast",
                {"master", "--plc", "3", "--command", "16", "--register", "1", "--slave", "0"},
                0,
                "N0:1\nholding registers (4X): start 40001, offset 0 (0x0000), 6-digit 400001; "
                "read with 03, write with 06, 16\n",
                ""},
        TextRow{"ReadToBroadcastRefusedWithCode8",
                {"master", "--plc", "3", "--message-type", "read", "--command", "16", "--register",
                 "1", "--slave", "0"},
                2,
                "",
                "An Error has Occured!\nInvalid Command\n"
                "Only Write functions are supported with the Broadcast Address\n"},
        // A message type is named in any case and blanks, so "Read" is a read
        // and the broadcast rule sees it.
        TextRow{"ReadInAnyCaseIsRead",
                {"master", "--plc", "3", "--message-type", "Read", "--command", "03", "--register",
                 "1", "--slave", "0"},
                2,
                "",
                "An Error has Occured!\nInvalid Command\n"
                "Only Write functions are supported with the Broadcast Address\n"},
        TextRow{"CommandTextNamingNoEntryIsRefused",
                {"master", "--command", "03 - Read Holding Registers", "--register", "100",
                 "--slave", "5"},
                2,
                "",
                "corvane-cli: command \"03 - Read Holding Registers\" is no Modbus command: use "
                "01 to 06, 08, 15 or 16, or the command's full text\n"},
        TextRow{"FunctionSevenIsNoCommand",
                {"master", "--command", "07"},
                2,
                "",
                "corvane-cli: command \"07\" is no Modbus command: use 01 to 06, 08, 15 or 16, or "
                "the command's full text\n"},
        TextRow{
            "NegativeRegisterIsRefused",
            {"master", "--register", "-5", "--slave", "5"},
            2,
            "",
            "An Error has Occured!\nInvalid Register Value\nEnter a value between 1 and 9999\n"},
        TextRow{
            "EmptyFieldsRefusedRegisterFirst",
            {"master"},
            2,
            "",
            "corvane-cli: warning: register \"\" holds no number: read as -1\n"
            "corvane-cli: warning: slave \"\" holds no number: read as -1\n"
            "An Error has Occured!\nInvalid Register Value\nEnter a value between 1 and 9999\n"}),
    Corvane::Testing::RowName{});

// JSON runs: the shape of the object and its key values.
struct JsonRow {
    const char *name;
    std::vector<std::string> arguments;
    int status;
    nlohmann::json expected;       // every key listed must be present with this value
    std::vector<std::string> keys; // the object's keys, in order
};

class JsonRuns : public testing::TestWithParam<JsonRow> {};

TEST_P(JsonRuns, WriteOneObject)
{
    const JsonRow &row = GetParam();
    const auto run = runCli(row.arguments);
    EXPECT_EQ(run.status, row.status);
    EXPECT_EQ(run.err, "");
    ASSERT_THAT(run.out, testing::EndsWith("\n"));
    EXPECT_EQ(run.out.find('\n'), run.out.size() - 1) << "one line only";
    // The keys in their order; the values compared as plain JSON, which
    // compares with the expected values under every compiler.
    const auto ordered = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto &item : ordered.items())
        keys.push_back(item.key());
    EXPECT_EQ(keys, row.keys);
    const auto json = nlohmann::json::parse(run.out);
    for (const auto &item : row.expected.items())
        EXPECT_EQ(json.at(item.key()), item.value()) << item.key();
}

const std::vector<std::string> kSlaveKeys{
    "ok",         "file",           "word",           "modicon_start",    "modicon_end",
    "table",      "reference",      "start_offset",   "start_offset_hex", "start_reference6",
    "end_offset", "end_offset_hex", "end_reference6", "read_functions",   "write_functions"};
const std::vector<std::string> kMasterKeys{
    "ok",           "address",          "modicon_start",    "table",          "reference",
    "start_offset", "start_offset_hex", "start_reference6", "read_functions", "write_functions"};
const std::vector<std::string> kRefusalKeys{"ok", "code", "title", "message"};

INSTANTIATE_TEST_SUITE_P(
    Shapes, JsonRuns,
    testing::Values(
        JsonRow{"SlaveAnswer",
                {"slave", "--json", "N7:4/5", "40001", "10"},
                0,
                {{"ok", true},
                 {"file", 7},
                 {"word", 4},
                 {"modicon_start", 40001},
                 {"modicon_end", 40010},
                 {"table", "holding registers"},
                 {"reference", "4X"},
                 {"start_offset", 0},
                 {"start_offset_hex", "0x0000"},
                 {"start_reference6", "400001"},
                 {"end_offset", 9},
                 {"end_offset_hex", "0x0009"},
                 {"end_reference6", "400010"},
                 {"read_functions", {3}},
                 {"write_functions", {6, 16}}},
                kSlaveKeys},
        JsonRow{"SlaveRefusal",
                {"slave", "N7:0", "40001", "0", "--json"},
                2,
                {{"ok", false},
                 {"code", 11},
                 {"title", "An Error has Occured!"},
                 {"message", "Invalid Modbus Register/Coil\r\nA Modbus Register/Coil is out of "
                             "Range"}},
                kRefusalKeys},
        JsonRow{"SlaveRefusalCode12",
                {"slave", "--json", "X17:0", "40001", "1"},
                2,
                {{"code", 12},
                 {"message", "Invalid AB Datafile\r\nFiles less than 10 are reserved.\r\nUse the "
                             "appropriate file type for files less than 10."}},
                kRefusalKeys},
        JsonRow{"MasterAnswer",
                {"master", "--json", "--format", "NXYZ:Z", "--command", "3", "--register", "1234",
                 "--slave", "5"},
                0,
                {{"ok", true},
                 {"address", "N451:234"},
                 {"modicon_start", 41234},
                 {"start_offset", 1233},
                 {"start_offset_hex", "0x04D1"},
                 {"start_reference6", "401234"}},
                kMasterKeys},
        JsonRow{"MasterDiagnosticsHasOnlyTheAddress",
                {"master", "--json", "--command", "08", "--register", "9999", "--slave", "99"},
                0,
                {{"ok", true}, {"address", "N899:9999"}},
                {"ok", "address"}},
        JsonRow{"MasterRefusal",
                {"master", "--json", "--format", "NYXZ:Z", "--register", "5256", "--slave", "3"},
                2,
                {{"ok", false},
                 {"code", 4},
                 {"message", "Invalid Register Value\r\nEnter a value between 1 and 255, 1000 "
                             "and 1255, 2000 and\r\n2255, etc., up to 5255"}},
                kRefusalKeys}),
    Corvane::Testing::RowName{});

// Usage errors: status 1 and one line on standard error, nothing translated.
struct UsageRow {
    const char *name;
    std::vector<std::string> arguments;
    const char *hint; // part of the one line
};

class UsageErrors : public testing::TestWithParam<UsageRow> {};

TEST_P(UsageErrors, ExitOneWithOneLine)
{
    const UsageRow &row = GetParam();
    const auto run = runCli(row.arguments);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_THAT(run.err, StartsWith("corvane-cli: "));
    EXPECT_THAT(run.err, HasSubstr(row.hint));
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UsageErrors,
    testing::Values(
        UsageRow{"NoSubcommand", {}, "a subcommand is needed"},
        UsageRow{"TooFewSlaveTexts", {"slave", "N7:0", "1"}, "COUNT is required"},
        UsageRow{"TooManySlaveTexts", {"slave", "N7:0", "1", "2", "3"}, "not expected: 3 ("},
        UsageRow{"MistypedFlagIsNoText", {"slave", "--jsn", "N7:0", "1", "2"}, "--jsn"},
        UsageRow{"PlcFour", {"master", "--plc", "4"}, "plc must be 5 or 3, not \"4\""},
        UsageRow{"LowerCaseFormat", {"master", "--format", "nxyz:z"}, "format must be"},
        UsageRow{"UnknownSubcommand", {"convert", "N7:0"}, "convert"},
        UsageRow{"DecodeFormatUnknown", {"decode", "N7:0", "--format", "XYZ"}, "format must be"},
        UsageRow{"JsonLinesTakesNoSubcommand", {"--jsonl", "slave", "N7:0", "1", "1"}, "--jsonl"},
        UsageRow{"SpreadsheetSafetyIsForCsv",
                 {"batch", "--json", "--safe-for-spreadsheets", "t.csv"},
                 "excludes"}),
    Corvane::Testing::RowName{});

TEST(CommandLine, VersionIsTheProjectVersion)
{
    const auto run = runCli({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string(Corvane::kVersionText) + "\n");
    EXPECT_EQ(run.out, "1.3\n");
}

// Each help page teaches with examples of its own form.
struct HelpRow {
    const char *name;
    std::vector<std::string> arguments;
    const char *example;
};

class HelpPages : public testing::TestWithParam<HelpRow> {};

TEST_P(HelpPages, ShowExamples)
{
    const auto run = runCli(GetParam().arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.out, HasSubstr("Examples:"));
    EXPECT_THAT(run.out, HasSubstr(GetParam().example));
}

INSTANTIATE_TEST_SUITE_P(
    Pages, HelpPages,
    testing::Values(HelpRow{"Program", {"--help"}, "corvane-cli slave \"N7:4/5\" 40001 10"},
                    HelpRow{"Slave", {"slave", "--help"}, "corvane-cli slave F8/3 1 1"},
                    HelpRow{"Master", {"master", "-h"}, "--format NXYZ:Z --command 03"},
                    HelpRow{"Decode", {"decode", "--help"}, "corvane-cli decode N451:234"},
                    HelpRow{"Batch", {"batch", "--help"}, "corvane-cli batch table.csv"},
                    HelpRow{"Check", {"check", "--help"}, "corvane-cli check table.csv"}),
    Corvane::Testing::RowName{});

TEST(Decode, ListsEveryFormatAndWhyNot)
{
    const auto run = runCli({"decode", "N451:234"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "N451:234 under NXYY:Z:\n"
              "  03 Read Holding Registers (read), slave 51, start register 234: holding "
              "registers 40234, offset 233 (0x00E9), 6-digit 400234\n"
              "  06 Pre-set Single Register (write), slave 51, start register 234: holding "
              "registers 40234, offset 233 (0x00E9), 6-digit 400234\n"
              "  16 Pre-set Multiple Registers (write), slave 51, start register 234: holding "
              "registers 40234, offset 233 (0x00E9), 6-digit 400234\n"
              "N451:234 under NXYZ:Z:\n"
              "  03 Read Holding Registers (read), slave 5, start register 1234: holding "
              "registers 41234, offset 1233 (0x04D1), 6-digit 401234\n"
              "  06 Pre-set Single Register (write), slave 5, start register 1234: holding "
              "registers 41234, offset 1233 (0x04D1), 6-digit 401234\n"
              "  16 Pre-set Multiple Registers (write), slave 5, start register 1234: holding "
              "registers 41234, offset 1233 (0x04D1), 6-digit 401234\n"
              "N451:234 under NYXZ:Z: no request, the file number must be the slave address "
              "less one (none for slave 1), a function digit 1, 3, 4 or 8 (none for coil "
              "commands 01 and 15 with slave 1) and the register's thousands digit\n"
              "N451:234 under PLC-3: no request, the file number must be a slave address from 0 "
              "to 255, without leading zeros\n");
}

TEST(Decode, CoilsAndDiagnosticsUnderPlc3)
{
    const auto run = runCli({"decode", "--plc", "3", "D0:7"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "D0:7 under PLC-3:\n  08 Diagnostics (write), slave 0, start register 7\n");
}

TEST(Decode, NothingAnywhereExitsTwo)
{
    const auto run = runCli({"decode", "N7:4/5", "--format", "NXYY:Z"});
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.out, StartsWith("N7:4/5 under NXYY:Z: no request, not a data table address"));
}

TEST(Decode, JsonNamesEachScheme)
{
    const auto run = runCli({"decode", "--json", "--format", "NYXZ:Z", "N1:100"});
    EXPECT_EQ(run.status, 0);
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["ok"], true);
    ASSERT_EQ(json["schemes"].size(), 1u);
    const auto &scheme = json["schemes"][0];
    EXPECT_EQ(scheme["format"], "NYXZ:Z");
    EXPECT_EQ(scheme["why_none"], nullptr);
    ASSERT_EQ(scheme["requests"].size(), 2u);
    EXPECT_EQ(scheme["requests"][0]["function_code"], 1);
    EXPECT_EQ(scheme["requests"][0]["message_type"], " Read");
    EXPECT_EQ(scheme["requests"][0]["slave"], 1);
    EXPECT_EQ(scheme["requests"][0]["register"], 1100);
    EXPECT_EQ(scheme["requests"][0]["modicon_start"], 1100);
    EXPECT_EQ(scheme["requests"][1]["function_code"], 15);
    EXPECT_EQ(scheme["requests"][1]["message_type"], " Write");
}

TEST(Decode, JsonExplainsWhyNone)
{
    const auto run = runCli({"decode", "--json", "--plc", "3", "T4:0"});
    EXPECT_EQ(run.status, 2);
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["ok"], false);
    EXPECT_EQ(json["schemes"][0]["plc"], "3");
    EXPECT_EQ(json["schemes"][0]["format"], nullptr);
    EXPECT_THAT(json["schemes"][0]["why_none"].get<std::string>(),
                StartsWith("the file type letter must be"));
}

// Arguments after a subcommand that are not its options become texts.
struct SeparateRow {
    const char *name;
    std::vector<std::string> in;
    std::vector<std::string> out;
};

class SeparatePositionals : public testing::TestWithParam<SeparateRow> {};

TEST_P(SeparatePositionals, MovesTextsBehindTheSeparator)
{
    EXPECT_EQ(separatePositionals(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SeparatePositionals,
    testing::Values(SeparateRow{"DashTextsAndFlag",
                                {"p", "slave", "N7:0", "-.5", "--json", "1"},
                                {"p", "slave", "--json", "--", "N7:0", "-.5", "1"}},
                    SeparateRow{"ValuedOptionKeepsItsValue",
                                {"p", "decode", "--plc", "3", "-B3:5"},
                                {"p", "decode", "--plc", "3", "--", "-B3:5"}},
                    SeparateRow{"JoinedValue",
                                {"p", "decode", "--format=NXYZ:Z", "N1:1"},
                                {"p", "decode", "--format=NXYZ:Z", "--", "N1:1"}},
                    SeparateRow{"UserSeparatorKeepsTheRest",
                                {"p", "slave", "--", "--json", "-h", "x"},
                                {"p", "slave", "--", "--json", "-h", "x"}},
                    SeparateRow{"MasterUntouched",
                                {"p", "master", "--register", "-5"},
                                {"p", "master", "--register", "-5"}},
                    SeparateRow{"StdinDash", {"p", "batch", "-"}, {"p", "batch", "--", "-"}}),
    Corvane::Testing::RowName{});

} // namespace
