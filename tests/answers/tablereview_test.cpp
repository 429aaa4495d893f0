// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/batch.h"
#include "answers/check.h"
#include "answers/csv.h"
#include "answers/link.h"
#include "answers/tablereview.h"
#include "tests/support/bytestreams.h"
#include "tests/support/soak.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace Corvane::Answers;
using Corvane::Testing::StringSource;
using Json = nlohmann::json;

// A mapping table such as engineers keep, with what goes wrong in one: rows
// that overlap, refusals, fields read by silent rules, cells that break the
// format, a byte order mark, every line end and an over-long row.
std::string randomTable(std::mt19937 &random)
{
    const auto pick = [&random](auto &&...choices) {
        const std::string options[] = {choices...};
        return options[random() % sizeof...(choices)];
    };
    std::vector<std::string> columns{"mode",        "address",  "start",        "count",
                                     "plc",         "format",   "message_type", "command",
                                     "subfunction", "register", "slave",        "note"};
    std::shuffle(columns.begin(), columns.end(), random);
    columns.resize(columns.size() - random() % 3);
    const std::string lineEnd = pick("\r\n", "\n", "\r");
    std::string text = random() % 4 == 0 ? "\xEF\xBB\xBF" : "";
    for (std::size_t i = 0; i < columns.size(); ++i)
        text += (i ? "," : "") + columns[i];
    text += lineEnd;
    const int rows = static_cast<int>(random() % 60);
    for (int row = 0; row < rows; ++row) {
        const bool slave = random() % 3 != 0;
        std::map<std::string, std::string> cells{
            {"mode", slave ? "slave" : pick("master", "master", "Slave", "")},
            {"note", pick("", "=SUM(A1)", "say \"hi\"", "two\nlines", "\xEF\xBB\xBFmark", "-x")}};
        if (slave) {
            cells["address"] =
                pick("N7:", "B3/", "F8:", "N10:", "X7:") + std::to_string(random() % 40);
            cells["start"] =
                pick("4000", "4001", "1", "3000", "1000") + std::to_string(random() % 10);
            cells["count"] = pick("1", "5", "12", "0", "x", "3.5", "99999999999");
        } else {
            cells["plc"] = pick("5", "3", "");
            cells["format"] = pick("NXYZ:Z", "NXYY:Z", "");
            cells["command"] = pick("03", "16", "1", "08", "read holding", "");
            cells["message_type"] = pick("", "read", "WRITE");
            cells["register"] = pick("1234", "1", "70000", "4x", "");
            cells["slave"] = pick("5", "0", "300", "");
        }
        std::ostringstream line;
        const int shape = static_cast<int>(random() % 40);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const std::string &cell = cells[columns[i]];
            const bool quoted =
                cell.find_first_of(",\"\r\n") != std::string::npos || random() % 8 == 0;
            line << (i ? "," : "");
            if (quoted) {
                std::string doubled;
                for (char c : cell)
                    doubled += c == '"' ? std::string("\"\"") : std::string(1, c);
                line << '"' << doubled << '"';
            } else {
                line << cell;
            }
        }
        if (shape == 0)
            line << ",extra";
        else if (shape == 1)
            line << ",\"never closed";
        else if (shape == 2)
            line << std::string(70'000, 'x');
        text += line.str() + lineEnd;
    }
    return text;
}

std::vector<Json> jsonLines(const std::string &text)
{
    std::vector<Json> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(Json::parse(line));
    return lines;
}

std::string runOn(const std::string &table, bool check)
{
    StringSource source(table);
    InputBuffer in(source);
    StringSink sink;
    {
        Output out(sink, 4096);
        if (check)
            runCheck(in, out, true);
        else
            runBatch(in, out, BatchOptions{BatchOutput::JsonLines});
        out.flush();
    }
    return sink.text;
}

// The review of a table read in slices agrees with batch --json on every
// row's result and with check --json on every finding and count. The first
// 100 tables hold every kind of row and finding more than 20 times; a soak
// run reads 300.
TEST(TableReviews, AgreeWithBatchAndCheckOnRandomTables)
{
    constexpr unsigned kSeed = 2026;
    std::mt19937 random(kSeed);
    ReviewTally seen; // the tables hold every kind of row
    const int tables = Corvane::Testing::loopSize(100, 300);
    for (int table = 0; table < tables; ++table) {
        const std::string text = randomTable(random);
        SCOPED_TRACE("seed " + std::to_string(kSeed) + ", table " + std::to_string(table) + ":\n" +
                     text.substr(0, 2000));
        TableReview review(text);
        ASSERT_FALSE(review.readHeader());
        while (review.readRows(1 + random() % 9)) {
        }
        const std::vector<Json> results = jsonLines(runOn(text, false));
        const std::vector<Json> findings = jsonLines(runOn(text, true));
        ASSERT_EQ(review.marks().size(), results.size());

        std::set<std::uint32_t> refused, invalid, warned, overlapping;
        std::map<std::uint32_t, std::set<std::uint32_t>> partners;
        for (const Json &finding : findings) {
            const std::string kind = finding["kind"];
            if (kind == "refused")
                refused.insert(finding["row"].get<std::uint32_t>());
            else if (kind == "invalid")
                invalid.insert(finding["row"].get<std::uint32_t>());
            else if (kind == "warning")
                warned.insert(finding["row"].get<std::uint32_t>());
            else if (kind == "overlap") {
                const std::uint32_t first = finding["rows"][0], second = finding["rows"][1];
                overlapping.insert({first, second});
                partners[first].insert(second);
                partners[second].insert(first);
            }
        }
        const Json &summary = findings.back();
        const ReviewTally &tally = review.tally();
        EXPECT_EQ(tally.rows, summary["rows"]);
        EXPECT_EQ(tally.refused, summary["refused"]);
        EXPECT_EQ(tally.invalid, summary["invalid"]);
        EXPECT_EQ(tally.warned, summary["warnings"]);
        EXPECT_EQ(tally.masterRows, summary["master_rows"]);
        EXPECT_EQ(tally.overlaps, summary["overlaps"]);
        EXPECT_EQ(tally.overlapRows, overlapping.size());
        EXPECT_EQ(tally.answered + tally.warned + tally.refused + tally.invalid, tally.rows);
        seen.answered += tally.answered;
        seen.warned += tally.warned;
        seen.refused += tally.refused;
        seen.invalid += tally.invalid;
        seen.masterRows += tally.masterRows;
        seen.overlaps += tally.overlaps;

        StringSink sink;
        for (std::uint32_t row = 1; row <= review.marks().size(); ++row) {
            const std::uint8_t mark = review.marks()[row - 1];
            EXPECT_EQ((mark & kRowRefused) != 0, refused.contains(row)) << row;
            EXPECT_EQ((mark & kRowInvalid) != 0, invalid.contains(row)) << row;
            EXPECT_EQ((mark & kRowWarned) != 0, warned.contains(row)) << row;
            EXPECT_EQ((mark & kRowOverlaps) != 0, overlapping.contains(row)) << row;

            sink.text.clear();
            {
                Output out(sink, 4096);
                JsonWriter json(out);
                review.writeRow(json, row - 1);
                out.flush();
            }
            const Json shown = Json::parse(sink.text);
            EXPECT_EQ(shown["row"], row);
            EXPECT_EQ(shown["result"], results[row - 1]) << row;
            std::set<std::uint32_t> others;
            for (const Json &other : shown["overlaps"])
                others.insert(other["row"].get<std::uint32_t>());
            EXPECT_EQ(others, partners[row]) << row;
            // The link carries the row's request back into the window.
            if (shown.contains("link")) {
                EXPECT_TRUE(readLinkFragment(shown["link"].get<std::string>())) << row;
            }
        }
    }
    for (const std::uint64_t count :
         {seen.answered, seen.warned, seen.refused, seen.invalid, seen.masterRows, seen.overlaps})
        EXPECT_GT(count, 20U);
}

TEST(TableReviews, ShowARowsCellsLinesAndTheRowsItOverlaps)
{
    TableReview review("mode,address,start,count,note\r\n"
                       "slave,N7:0,40001,10,\"first, \"\"quoted\"\"\"\r\n"
                       "slave,N7:20,40005,x,\r\n"
                       "slave,N10:0,40008,4,\r\n");
    ASSERT_FALSE(review.readHeader());
    EXPECT_FALSE(review.readRows(100));
    EXPECT_EQ(review.tally().overlaps, 1U);
    const auto shown = [&review](std::size_t index) {
        StringSink sink;
        {
            Output out(sink, 4096);
            JsonWriter json(out);
            review.writeRow(json, index, 1);
            out.flush();
        }
        return Json::parse(sink.text);
    };
    const Json first = shown(0);
    EXPECT_EQ(first["cells"], Json({"slave", "N7:0", "40001", "10", "first, \"quoted\""}));
    EXPECT_EQ(first["lines"][0], "file 7 word 0 modicon 40001-40010");
    EXPECT_EQ(first["link"], "v=1&mode=slave&address=N7:0&start=40001&count=10");
    EXPECT_EQ(first["overlaps"], Json::parse(R"([{"row":3,"start":40008,"end":40010}])"));
    EXPECT_EQ(first["more"], 0);
    // A count that is no number reads as 0: a warning, and no range.
    const Json second = shown(1);
    EXPECT_EQ(review.marks()[1], kRowWarned);
    EXPECT_EQ(second["warnings"],
              Json({"count \"x\" holds no number: read as 0", std::string(kEmptyRunWarning)}));
    EXPECT_EQ(second["overlaps"], Json::array());
}

TEST(TableReviews, SayWhyATableCannotBeRead)
{
    TableReview broken("\"mode,address\nslave,N7:0\n");
    EXPECT_EQ(broken.readHeader().value_or("").substr(0, 34), "the header row breaks the CSV form");
    EXPECT_TRUE(broken.finished());
    TableReview empty("");
    EXPECT_FALSE(empty.readHeader());
    EXPECT_TRUE(empty.finished());
    EXPECT_EQ(empty.tally().rows, 0U);
}

// Rows pasted from a spreadsheet read as the CSV cells they were.
struct PastedRow {
    const char *pasted;
    const char *csv;
};

TEST(PastedTables, ReadTabSeparatedCellsAsCsv)
{
    const PastedRow rows[] = {
        {"mode\taddress\r\nslave\tN7:0\r\n", "mode,address\r\nslave,N7:0\r\n"},
        {"a\tb\nc,d\t\"two\nlines\"", "a,b\r\n\"c,d\",\"two\nlines\"\r\n"},
        {"\"say \"\"hi\"\"\"\t\n", "\"say \"\"hi\"\"\",\r\n"},
        {"a\t\t\rb", "a,,\r\nb\r\n"},
        {"a\n\nb\n", "a\r\n\r\nb\r\n"},
        {"\"never closed\tb\nc", "\"never closed\tb\nc\"\r\n"},
    };
    for (const PastedRow &row : rows)
        EXPECT_EQ(tabSeparatedAsCsv(row.pasted), row.csv) << row.pasted;
    EXPECT_TRUE(isTabSeparated("mode\taddress\nslave,x"));
    EXPECT_FALSE(isTabSeparated("mode,address\nslave\tx"));
}

} // namespace
