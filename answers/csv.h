// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/input.h"
#include "answers/output.h"

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
// end, so a stray quote or a line that never ends costs neither memory nor
// the records behind it.
class CsvReader {
public:
    explicit CsvReader(InputBuffer &input);

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

private:
    bool readQuoted();
    // An over-long record is reported before the rest of it is skipped, so a
    // header that never ends is an error at once, and a row that never ends
    // is reported before the wait for its end.
    void markOverlong(std::size_t length);
    void splitPlain(std::string_view record);
    void note(std::string_view problem);

    InputBuffer &m_input;
    bool m_started = false;
    bool m_overlong = false;
    bool m_skipping = false;
    std::vector<std::string_view> m_fields;
    std::vector<std::size_t> m_fieldEnds;
    std::string m_scratch;
    std::string_view m_problem;
};

// How cells are written. Spreadsheet puts an apostrophe before a cell that
// begins with =, +, -, @, a tab or a CR and is no plain number, so that a
// spreadsheet shows it as text instead of running it as a formula.
enum class CellSafety { Verbatim, Spreadsheet };

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

} // namespace Corvane::Answers
