// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/input.h"
#include "answers/output.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 writes them: quoted fields may hold
// commas, doubled quotes and line breaks; records end with CR LF, LF or a lone
// CR; a UTF-8 byte order mark before the first record is skipped.
namespace Corvane::Answers {

// Reads one record at a time, holding at most one record: a record longer
// than kLongestRecord bytes (quotes and separators counted, the line end not)
// is reported without its fields, and reading goes on after the next line
// end, so a line that never ends costs neither memory nor the records behind
// it. A quote still open at the end of the input or at the limit, or one
// whose field runs over lines to a quote followed by text, is reported as a
// record of its own, without fields, and reading goes on at the line after
// the one where it opened: a stray quote costs one row.
class CsvReader {
public:
    // Where the input begins: at the start of a file, which may open with a
    // byte order mark, or at a record found by an earlier reading, whose
    // bytes are all its own, on line `line` of the file.
    enum class Start { File, Record };
    explicit CsvReader(InputBuffer &input, Start start = Start::File, std::int64_t line = 1);

    // Reads the next record; false at the end of the input or when a read
    // failed (ask the input which). Empty lines hold no record.
    // "a,\"b,c\"\r\n" -> {"a", "b,c"}; "\"say \"\"hi\"\"\"\n" -> {"say \"hi\""}
    bool next();

    // The fields of the record read, valid until the next call.
    std::span<const std::string_view> fields() const { return m_fields; }
    // Why the record breaks the format; empty when it does not.
    std::string_view problem() const { return m_problem; }
    // The record is longer than kLongestRecord bytes and has no fields.
    bool overlong() const { return m_overlong; }
    // The physical line of the input where the record read begins, from 1;
    // CR LF, LF and a lone CR each end a line.
    std::int64_t line() const { return m_recordLine; }
    // Where the record read begins, in bytes from the start of the input.
    std::uint64_t offset() const { return m_recordOffset; }

private:
    bool readQuoted();
    // An over-long record is reported before the rest of it is skipped, so a
    // header that never ends is an error at once, and a row that never ends
    // is reported before the wait for its end.
    void markOverlong(std::size_t length);
    void splitPlain(std::string_view record);
    void note(std::string_view problem);
    // Counts a line end consumed: a CR ends a line, and so does an LF that
    // does not follow a CR.
    void countLineEnd(char end)
    {
        if (end == '\r' || !m_afterCr)
            ++m_line;
        m_afterCr = end == '\r';
    }

    InputBuffer &m_input;
    bool m_started = false;
    bool m_overlong = false;
    bool m_skipping = false;
    std::vector<std::string_view> m_fields;
    std::vector<std::size_t> m_fieldEnds;
    std::string m_scratch;
    std::string_view m_problem;
    std::string m_unclosed; // the problem of a quote that is never closed
    std::int64_t m_line = 1;
    std::int64_t m_recordLine = 1;
    std::uint64_t m_recordOffset = 0;
    bool m_afterCr = false;
};

// How cells are written. Spreadsheet puts an apostrophe before a cell that
// begins with =, +, -, @, a tab or a CR and is no plain number, so that a
// spreadsheet shows it as text instead of running it as a formula.
enum class CellSafety { Verbatim, Spreadsheet };

// A cell's text as Spreadsheet safety writes it, before any quoting:
// "=1+2" -> "'=1+2", "-5" -> "-5", "a" -> "a".
std::string spreadsheetSafe(std::string_view field);

// Writes one field, quoting it when it needs quotes.
// "a" -> a; "b,c" -> "b,c"; "say \"hi\"" -> "say ""hi""";
// Spreadsheet: "=1+2" -> '=1+2, "-5" -> -5, "-x,y" -> "'-x,y"
void writeCsvField(Output &out, std::string_view field, CellSafety safety = CellSafety::Verbatim);

// Writes a record of fields, ended by CR LF.
void writeCsvRecord(Output &out, std::span<const std::string_view> fields,
                    CellSafety safety = CellSafety::Verbatim);

// The text of one record as writeCsvRecord writes it, for callers that
// gather records in memory.
// {"a", "b,c"} -> "a,\"b,c\"\r\n"
std::string csvRecordText(std::span<const std::string> fields,
                          CellSafety safety = CellSafety::Verbatim);

// Rows copied from a spreadsheet arrive as text whose first line holds a tab:
// cells separated by tabs, rows by line ends, and a cell holding a tab, a
// line break or a quote in quotes, its quotes doubled.
bool isTabSeparated(std::string_view text);

// Tab-separated rows as a CSV table, cell for cell, each record ended by
// CR LF; a quote that is never closed takes the rest of the text into its
// cell. "mode\taddress\nslave\t\"N7,0\"" -> "mode,address\r\nslave,\"N7,0\"\r\n"
std::string tabSeparatedAsCsv(std::string_view text);

} // namespace Corvane::Answers
