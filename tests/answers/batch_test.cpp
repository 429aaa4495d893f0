// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/batch.h"
#include "answers/csv.h"
#include "answers/resultfields.h"
#include "tests/support/bytestreams.h"
#include "tests/support/rowname.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace {

using Corvane::Answers::BatchOptions;
using Corvane::Answers::BatchOutput;
using Corvane::Answers::CellSafety;
using Corvane::Answers::CsvReader;
using Corvane::Answers::csvRecordText;
using Corvane::Answers::InputBuffer;
using Corvane::Answers::Output;
using Corvane::Answers::runBatch;
using Corvane::Testing::StringSink;
using Corvane::Testing::StringSource;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::StartsWith;

using Records = std::vector<std::vector<std::string>>;

struct ReadResult {
    Records records;
    std::vector<std::string> problems;
};

ReadResult readAll(const std::string &text)
{
    StringSource source(text);
    InputBuffer input(source);
    CsvReader reader(input);
    ReadResult result;
    while (reader.next()) {
        result.records.emplace_back(reader.fields().begin(), reader.fields().end());
        result.problems.emplace_back(reader.problem());
    }
    return result;
}

// The reader against the format's corner cases.
struct CsvRow {
    const char *name;
    std::string text;
    Records records;
    std::vector<std::string> problems; // one per record, empty when well-formed
};

class CsvReading : public testing::TestWithParam<CsvRow> {};

TEST_P(CsvReading, SplitsRecordsAndFields)
{
    const CsvRow &row = GetParam();
    const ReadResult result = readAll(row.text);
    EXPECT_EQ(result.records, row.records);
    EXPECT_EQ(result.problems, row.problems);
}

INSTANTIATE_TEST_SUITE_P(
    Rfc4180, CsvReading,
    testing::Values(
        CsvRow{"LineFeeds", "a,b\nc,d\n", {{"a", "b"}, {"c", "d"}}, {"", ""}},
        CsvRow{"CarriageReturnLineFeeds", "a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}, {"", ""}},
        CsvRow{"NoFinalLineBreak", "a,b\nc,d", {{"a", "b"}, {"c", "d"}}, {"", ""}},
        CsvRow{"ByteOrderMarkSkipped", "\xEF\xBB\xBFmode,x\n", {{"mode", "x"}}, {""}},
        CsvRow{"ByteOrderMarkOnlyAtTheStart",
               "a\n\xEF\xBB\xBF"
               "b\n",
               {{"a"},
                {"\xEF\xBB\xBF"
                 "b"}},
               {"", ""}},
        CsvRow{"QuotedComma", "\"a,b\",c\n", {{"a,b", "c"}}, {""}},
        CsvRow{"DoubledQuote", "\"say \"\"hi\"\"\"\n", {{"say \"hi\""}}, {""}},
        CsvRow{"QuotedLineBreaks", "\"1\r\n2\n3\",x\r\n", {{"1\r\n2\n3", "x"}}, {""}},
        CsvRow{"EmptyFields", ",,\n", {{"", "", ""}}, {""}},
        CsvRow{"EmptyQuotedField", "\"\",a\n", {{"", "a"}}, {""}},
        CsvRow{"BlanksKept", " N7:0 , 1\n", {{" N7:0 ", " 1"}}, {""}},
        CsvRow{"EmptyLinesSkipped", "a\n\n\r\nb\n", {{"a"}, {"b"}}, {"", ""}},
        CsvRow{"LoneCarriageReturnEndsARecord", "a\rb\r", {{"a"}, {"b"}}, {"", ""}},
        CsvRow{"CarriageReturnInQuotesIsText", "\"a\rb\"\r", {{"a\rb"}}, {""}},
        CsvRow{"QuoteInsideUnquotedField",
               "a\"b,c\n",
               {{"a\"b", "c"}},
               {"a quote stands inside a field that is not quoted as a whole"}},
        CsvRow{"TextAfterClosingQuote",
               "\"a\"b,c\nd\n",
               {{"ab", "c"}, {"d"}},
               {"text follows the closing quote of a field", ""}},
        // A quote never closed costs its own line, reported without fields;
        // reading goes on at the next line.
        CsvRow{"UnclosedQuote",
               "a,\"b\nc\n",
               {{}, {"c"}},
               {"a quote opened on line 1 is not closed", ""}},
        // A quoted field that runs over lines to a quote followed by text
        // was opened by a stray quote; on one line, it is the text's fault.
        CsvRow{"StrayQuoteTakingInLines",
               "x\r\na,\"b\r\nc,d\r\ne,\"f\"g\r\nh\r\n",
               {{"x"}, {}, {"c", "d"}, {"e", "fg"}, {"h"}},
               {"", "a quote opened on line 2 is not closed", "",
                "text follows the closing quote of a field", ""}},
        CsvRow{"NothingAtAll", "", {}, {}}),
    Corvane::Testing::RowName{});

TEST(CsvReading, CarriageReturnLineFeedAcrossTheBufferEdge)
{
    // The reader fills 65536 bytes at a time; put the CR LF of a record end
    // and of an empty line on the boundary.
    for (std::size_t length : {65534u, 65535u, 65536u}) {
        const std::string first(length, 'a');
        const ReadResult result = readAll(first + "\r\n\r\nb\r\n");
        ASSERT_EQ(result.records.size(), 2u) << length;
        EXPECT_EQ(result.records[0][0], first);
        EXPECT_THAT(result.records[1], ElementsAre("b"));
    }
}

TEST(CsvWriting, QuotesOnlyWhatNeedsIt)
{
    const std::string out =
        csvRecordText(std::vector<std::string>{"a", " b ", "c,d", "say \"hi\"", "1\r\n2", ""});
    EXPECT_EQ(out, "a, b ,\"c,d\",\"say \"\"hi\"\"\",\"1\r\n2\",\r\n");
    const ReadResult back = readAll(out);
    EXPECT_THAT(back.records[0], ElementsAre("a", " b ", "c,d", "say \"hi\"", "1\r\n2", ""));
}

// The apostrophe keeps a spreadsheet from running a cell as a formula; plain
// numbers stay numbers.
struct SafetyRow {
    const char *name;
    std::string cell;
    std::string written;
};

class SpreadsheetSafety : public testing::TestWithParam<SafetyRow> {};

TEST_P(SpreadsheetSafety, MarksFormulasOnly)
{
    const SafetyRow &row = GetParam();
    EXPECT_EQ(csvRecordText(std::vector<std::string>{row.cell}, CellSafety::Spreadsheet),
              row.written + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cells, SpreadsheetSafety,
    testing::Values(SafetyRow{"Equals", "=1+2", "'=1+2"}, SafetyRow{"Plus", "+cmd", "'+cmd"},
                    SafetyRow{"Minus", "-2+3", "'-2+3"}, SafetyRow{"At", "@SUM(A1)", "'@SUM(A1)"},
                    SafetyRow{"Tab", "\tx", "'\tx"}, SafetyRow{"CarriageReturn", "\rx", "\"'\rx\""},
                    SafetyRow{"QuotedFormula", "=HYPERLINK(\"x\",\"y\")",
                              "\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\""},
                    SafetyRow{"NegativeNumber", "-5", "-5"},
                    SafetyRow{"SignedFraction", "+2.5", "+2.5"},
                    SafetyRow{"FractionWithoutWhole", "-.5", "-.5"},
                    SafetyRow{"Exponent", "-1e3", "-1e3"}, SafetyRow{"LoneMinus", "-", "'-"},
                    SafetyRow{"AddressUntouched", "N7:0", "N7:0"},
                    SafetyRow{"EqualsLaterUntouched", "a=b", "a=b"}, SafetyRow{"Empty", "", ""}),
    Corvane::Testing::RowName{});

// Output column names never repeat: an input name already taken gets a suffix.
struct ColumnsRow {
    const char *name;
    std::vector<std::string> header;
    std::vector<std::string> inputColumns; // the names given to the input's columns
};

class OutputColumns : public testing::TestWithParam<ColumnsRow> {};

TEST_P(OutputColumns, AreDistinct)
{
    const ColumnsRow &row = GetParam();
    const std::vector<std::string> names = Corvane::Answers::outputColumns(row.header);
    ASSERT_EQ(names.size(), row.header.size() + Corvane::Answers::resultColumns().size());
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + row.header.size()),
              row.inputColumns);
    EXPECT_EQ(names[row.header.size()], "result");
}

INSTANTIATE_TEST_SUITE_P(
    Headers, OutputColumns,
    testing::Values(
        ColumnsRow{"SlaveAddressIsNoResultName",
                   {"mode", "address", "start", "count"},
                   {"mode", "address", "start", "count"}},
        ColumnsRow{"ResultNamesTakenFromTheInput",
                   {"mode", "result", " Data_Table_Address "},
                   {"mode", "result_2", "Data_Table_Address_2"}},
        ColumnsRow{"RepeatedInputNames", {"note", "note", "NOTE"}, {"note", "note_2", "NOTE_3"}},
        ColumnsRow{"SuffixAlreadyTaken", {"note", "note_2", "note"}, {"note", "note_2", "note_3"}},
        ColumnsRow{"EmptyNames", {"mode", "", ""}, {"mode", "", "_2"}},
        ColumnsRow{"OwnOutputReadAgain",
                   {"mode", "address", "start", "count", "result", "file", "word"},
                   {"mode", "address", "start", "count", "result_2", "file_2", "word_2"}}),
    Corvane::Testing::RowName{});

struct BatchRun {
    bool clean = false;
    Records rows; // the output read back
    std::string text;
};

BatchRun batch(const std::string &input, BatchOutput output = BatchOutput::Csv)
{
    StringSource source(input);
    InputBuffer in(source);
    StringSink sink;
    BatchRun run;
    {
        Output out(sink);
        run.clean = runBatch(in, out, BatchOptions{output, CellSafety::Verbatim}).clean;
        out.flush();
    }
    run.text = sink.text;
    if (output == BatchOutput::Csv)
        run.rows = readAll(run.text).records;
    return run;
}

// The value of a named column in an output row.
std::string cell(const Records &rows, std::size_t row, const std::string &column)
{
    const auto &header = rows.at(0);
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == column)
            return rows.at(row).at(i);
    }
    ADD_FAILURE() << "no column " << column;
    return {};
}

const std::string kMixedTable =
    "\xEF\xBB\xBFmode,address,start,count,plc,format,message_type,command,subfunction,register,"
    "slave,note\r\n"
    "slave,N7:4/5,6,10,,,,,,,,first\r\n"
    "master,,,,5,NXYZ:Z,,03,,1234,5,\"second, with a comma\"\r\n"
    "master,,,,3,,read,16,,1,0,broadcast read\r\n"
    "bad,row\r\n"
    "slave,F8/3,1,1,,,,,,,,\"quoted\r\nline break\"\r\n"
    "unknown,,,,,,,,,,,\r\n"
    "slave,N7:0,40010,-5,,,,,,,,last\r\n";

TEST(Batch, MixedTableComesBackCompleteAndInOrder)
{
    const BatchRun run = batch(kMixedTable);
    EXPECT_FALSE(run.clean);
    ASSERT_EQ(run.rows.size(), 8u);
    EXPECT_EQ(run.rows[0].size(), 12u + Corvane::Answers::resultColumns().size());
    for (const auto &row : run.rows)
        EXPECT_EQ(row.size(), run.rows[0].size());
    EXPECT_EQ(run.rows[0][0], "mode") << "the byte order mark is not part of the name";
    EXPECT_EQ(run.rows[0][12], "result");

    EXPECT_EQ(cell(run.rows, 1, "note"), "first");
    EXPECT_EQ(cell(run.rows, 1, "result"), "ok");
    EXPECT_EQ(cell(run.rows, 1, "file"), "7");
    EXPECT_EQ(cell(run.rows, 1, "word"), "4");
    EXPECT_EQ(cell(run.rows, 1, "modicon_start"), "1");
    EXPECT_EQ(cell(run.rows, 1, "modicon_end"), "15");
    EXPECT_EQ(cell(run.rows, 1, "table"), "coils");
    EXPECT_EQ(cell(run.rows, 1, "end_offset_hex"), "0x000E");
    EXPECT_EQ(cell(run.rows, 1, "end_reference6"), "000015");
    EXPECT_EQ(cell(run.rows, 1, "write_functions"), "05,15");

    EXPECT_EQ(cell(run.rows, 2, "note"), "second, with a comma");
    EXPECT_EQ(cell(run.rows, 2, "address"), "");
    EXPECT_EQ(cell(run.rows, 2, "data_table_address"), "N451:234");
    EXPECT_EQ(cell(run.rows, 2, "modicon_start"), "41234");
    EXPECT_EQ(cell(run.rows, 2, "start_offset"), "1233");
    EXPECT_EQ(cell(run.rows, 2, "modicon_end"), "");

    EXPECT_EQ(cell(run.rows, 3, "result"), "refused");
    EXPECT_EQ(cell(run.rows, 3, "error_code"), "8");
    EXPECT_EQ(cell(run.rows, 3, "error_message"),
              "Invalid Command\r\nOnly Write functions are supported with the Broadcast Address");

    EXPECT_EQ(cell(run.rows, 4, "mode"), "bad");
    EXPECT_EQ(cell(run.rows, 4, "note"), "") << "a short row is padded to the header";
    EXPECT_EQ(cell(run.rows, 4, "result"), "invalid");
    EXPECT_EQ(cell(run.rows, 4, "error_message"), "the row has 2 fields, the header 12");

    EXPECT_EQ(cell(run.rows, 5, "note"), "quoted\r\nline break");
    EXPECT_EQ(cell(run.rows, 5, "error_code"), "10");

    EXPECT_EQ(cell(run.rows, 6, "error_message"),
              "mode must be \"slave\" or \"master\", not \"unknown\"");

    EXPECT_EQ(cell(run.rows, 7, "note"), "last");
    EXPECT_EQ(cell(run.rows, 7, "modicon_start"), "40010");
    EXPECT_EQ(cell(run.rows, 7, "modicon_end"), "40004");
}

TEST(Batch, JsonLinesOnePerRow)
{
    const BatchRun run = batch(kMixedTable, BatchOutput::JsonLines);
    EXPECT_FALSE(run.clean);
    std::istringstream lines(run.text);
    std::vector<nlohmann::json> results;
    for (std::string line; std::getline(lines, line);)
        results.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(results.size(), 7u);
    EXPECT_EQ(results[0]["modicon_end"], 15);
    EXPECT_EQ(results[1]["address"], "N451:234");
    EXPECT_EQ(results[2]["code"], 8);
    EXPECT_EQ(results[3],
              nlohmann::json::parse(R"({"ok":false,"row":4,)"
                                    R"("error":"the row has 2 fields, the header 12"})"));
    EXPECT_EQ(results[4]["code"], 10);
    EXPECT_EQ(results[5]["row"], 6);
    EXPECT_EQ(results[6]["ok"], true);
}

TEST(Batch, EveryRowTranslatedExitsZero)
{
    const BatchRun run = batch("count,start,address,mode\n10,40001,N7:0,slave\n1,1,B3/0,slave\n");
    EXPECT_TRUE(run.clean);
    ASSERT_EQ(run.rows.size(), 3u);
    EXPECT_EQ(cell(run.rows, 1, "modicon_end"), "40010");
    EXPECT_EQ(cell(run.rows, 2, "modicon_end"), "1");
}

TEST(Batch, HeaderNamesIgnoreCaseAndBlanks)
{
    const BatchRun run = batch(" Mode ,ADDRESS,Start,count\nslave,N7:0,40001,1\n");
    EXPECT_TRUE(run.clean);
    EXPECT_EQ(cell(run.rows, 1, "file"), "7");
}

TEST(Batch, FieldTextsAreVerbatim)
{
    // A blank before the letter is part of the address, as in the window.
    const BatchRun run = batch("mode,address,start,count\nslave, N7:0,40001,1\n");
    EXPECT_FALSE(run.clean);
    EXPECT_EQ(cell(run.rows, 1, "error_code"), "12");
}

TEST(Batch, HeaderWithoutModeMakesEveryRowInvalid)
{
    const BatchRun run = batch("address,start,count\nN7:0,40001,1\nN7:0,40001,2\n");
    EXPECT_FALSE(run.clean);
    ASSERT_EQ(run.rows.size(), 3u);
    EXPECT_EQ(cell(run.rows, 1, "error_message"), "the header names no mode column");
    EXPECT_EQ(cell(run.rows, 2, "error_message"), "the header names no mode column");
}

TEST(Batch, MalformedRowIsReportedAndTheRestGoOn)
{
    const BatchRun run = batch("mode,address,start,count\nslave,N7:0\"x,40001,1\n"
                               "slave,N7:0,40001,1\n");
    EXPECT_FALSE(run.clean);
    ASSERT_EQ(run.rows.size(), 3u);
    EXPECT_EQ(cell(run.rows, 1, "error_message"),
              "the row breaks the CSV format: a quote stands inside a field that is not quoted "
              "as a whole");
    EXPECT_EQ(cell(run.rows, 2, "result"), "ok");
}

TEST(Batch, EmptyMasterSelectionsTakeStartUpValues)
{
    const BatchRun run =
        batch("mode,plc,format,command,message_type,register,slave\nmaster,,,,,100,5\n");
    EXPECT_TRUE(run.clean);
    EXPECT_EQ(cell(run.rows, 1, "data_table_address"), "N5:100");
}

TEST(Batch, EmptyInputGivesNothing)
{
    const BatchRun run = batch("");
    EXPECT_TRUE(run.clean);
    EXPECT_EQ(run.text, "");
}

} // namespace
