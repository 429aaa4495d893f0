#pragma once

#include <istream>
#include <ostream>

// A mapping table translated row by row: a CSV file whose header names the
// columns of slave rows (mode, address, start, count) and of master rows
// (mode, plc, format, message_type, command, subfunction, register, slave),
// in any order and mixed in one file.
namespace Corvane::Cli {

enum class BatchOutput {
    Csv,       // the input columns, then the result columns
    JsonLines, // one result object per row
};

// Translates every row and writes exactly one output row for it, in order;
// a bad row gets an error in its own result and never stops the rest. Holds
// one row at a time. Returns 0 when every row translated, 2 otherwise.
// In a CSV master row an empty selection cell takes the window's start-up
// value, as a missing field does in JSON.
int runBatch(std::istream &in, std::ostream &out, BatchOutput output);

} // namespace Corvane::Cli
