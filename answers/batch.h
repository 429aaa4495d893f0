// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/csv.h"
#include "answers/input.h"
#include "answers/mappingtable.h"
#include "answers/output.h"

#include <span>
#include <string>
#include <vector>

// A mapping table translated row by row.
namespace Corvane::Answers {

enum class BatchOutput {
    Csv,       // the input columns, then the result columns
    JsonLines, // one result object per row
};

struct BatchOptions {
    BatchOutput output = BatchOutput::Csv;
    CellSafety safety = CellSafety::Verbatim;
    Readings readings = Readings::Warn;
    StopRequested stop = nullptr;
};

// Translates every row and writes exactly one output row for it, in order;
// a bad row gets an error in its own result and never stops the rest. Holds
// one row at a time. Clean when every row translated; a header that cannot
// be read is the run's problem, before any row is written. Stops early when
// the output fails; the caller asks `in` and `out` for errors. In a CSV
// master row an empty selection cell takes the window's start-up value, as a
// missing field does in JSON.
RunResult runBatch(InputBuffer &in, Output &out, const BatchOptions &options);

// The names of the output columns as they are written: the input's, then the
// result columns. An input name already taken, by a result column or an
// earlier input column (compared as header names are, after Spreadsheet
// safety has put its apostrophes), gets the first free suffix _2, _3, ...
// {"mode", "Result", "note", "note"} -> {"mode", "Result_2", "note", "note_2", "result", ...};
// Spreadsheet {"=a", "'=a"} -> {"'=a", "'=a_2", ...}
std::vector<std::string> outputColumns(std::span<const std::string> header,
                                       CellSafety safety = CellSafety::Verbatim);

} // namespace Corvane::Answers
