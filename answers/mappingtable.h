// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/answer.h"
#include "answers/csv.h"
#include "answers/input.h"
#include "answers/request.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// A mapping table as batch and check read it: a CSV file whose header names
// the columns of slave rows (mode, address, start, count) and of master rows
// (mode, plc, format, message_type, command, subfunction, register, slave),
// in any order and mixed in one file, read one row at a time.
namespace Corvane::Answers {

class MappingTable {
public:
    explicit MappingTable(InputBuffer &input);
    // A table read again from one of `header`'s rows on: `input` begins where
    // the row began (rowOffset()), on line `line` (rowLine()), and the header
    // is `header`'s.
    MappingTable(InputBuffer &input, const MappingTable &header, std::int64_t line);

    // Reads the header row. A header that cannot be read ends the table: one
    // longer than kLongestRecord, one that breaks the CSV format (an unclosed
    // quote would fold the rows into it) or one naming no column a request
    // reads. Returns why, or nothing when the header was read or the input
    // is empty.
    // "mode,address,start,count\n..." -> nothing; "\"mode,address\n..." -> "the header row
    // breaks..."
    std::optional<std::string> readHeader();
    // The header's names as written; empty for an empty input.
    std::span<const std::string> header() const { return m_header; }

    // Reads the next row; false at the end of the input or when a read failed.
    bool nextRow();
    // The current row's fields (none for an over-long row), its number
    // counted from 1 after the header, and what it translates to.
    std::span<const std::string_view> row() const { return m_reader.fields(); }
    std::int64_t rowNumber() const { return m_rowNumber; }
    // Where the current row begins in the input, in bytes, and on which line.
    std::uint64_t rowOffset() const { return m_reader.offset(); }
    std::int64_t rowLine() const { return m_reader.line(); }
    Answer translateRow(Readings readings = Readings::Warn);
    // The request of the current row, or why it has none (the answer that
    // translateRow() gives it).
    // "slave,N7:0,40001,10" -> SlaveTexts{"N7:0", "40001", "10"}
    std::variant<Request, Answer> rowRequest();

private:
    // Why the current row cannot be read as a request, if it cannot.
    std::optional<std::string> rowProblem() const;
    // The current row's cell in a column, or the empty text for none.
    std::string_view cell(const std::optional<std::size_t> &column) const;
    // The master fields of the current row, views of its cells.
    std::span<const NamedField> masterFields();

    CsvReader m_reader;
    std::vector<std::string> m_header;
    // The columns that feed request fields, by their matched names.
    std::vector<std::pair<std::string, std::size_t>> m_columns;
    // Where the cells of a slave row stand, if the header names them.
    std::optional<std::size_t> m_mode, m_address, m_start, m_count;
    std::int64_t m_rowNumber = 0;
    std::vector<NamedField> m_fields;
};

// How a run over a mapping table or a request stream ended.
struct RunResult {
    // Why the run stopped before its first row (a header that cannot be
    // read), or empty; nothing was written then.
    std::string problem;
    // Every row translated (batch), every line a request (JSON Lines),
    // nothing found (check).
    bool clean = true;
    // The rows or lines answered, the last one whole.
    std::int64_t answered = 0;
    // Asked to stop before the input ended.
    bool stopped = false;
};

// Asked between two rows: true when the run should stop there, with every
// row written whole. No function: the run goes on to the end.
using StopRequested = bool (*)();

// Header names are matched without regard to case or surrounding blanks,
// since they name columns rather than carry texts for the window.
// " Mode " -> "mode"
std::string columnName(std::string_view header);

} // namespace Corvane::Answers
