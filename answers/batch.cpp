// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/batch.h"

#include "answers/jsonwriter.h"
#include "answers/mappingtable.h"
#include "answers/resultfields.h"

#include <unordered_map>
#include <unordered_set>

namespace Corvane::Answers {
namespace {

void writeCsvRow(Output &out, const MappingTable &table, const Answer &answer, CellSafety safety)
{
    // The input columns as the header counts them, then the results.
    const auto row = table.row();
    const std::size_t columns = table.header().size();
    for (std::size_t i = 0; i < columns; ++i) {
        if (i > 0)
            out.put(',');
        if (i < row.size())
            writeCsvField(out, row[i], safety);
    }
    writeResultCells(out, answer, safety);
    out.write("\r\n");
}

} // namespace

std::vector<std::string> outputColumns(std::span<const std::string> header, CellSafety safety)
{
    const auto written = [safety](std::string name) {
        return safety == CellSafety::Spreadsheet ? spreadsheetSafe(name) : name;
    };
    std::unordered_set<std::string> taken;
    for (const std::string_view name : resultColumns())
        taken.emplace(name);
    std::unordered_map<std::string, int> nextSuffix;
    std::vector<std::string> names;
    names.reserve(header.size() + resultColumns().size());
    for (const std::string &given : header) {
        const std::string name = written(given);
        std::string key = columnName(name);
        if (taken.insert(key).second) {
            names.push_back(name);
            continue;
        }
        const std::size_t first = name.find_first_not_of(" \t");
        const std::string base = first == std::string::npos
                                     ? std::string()
                                     : name.substr(first, name.find_last_not_of(" \t") + 1 - first);
        int &suffix = nextSuffix.try_emplace(key, 2).first->second;
        std::string renamed;
        do {
            renamed = written(base + "_" + std::to_string(suffix++));
        } while (!taken.insert(columnName(renamed)).second);
        names.push_back(std::move(renamed));
    }
    names.insert(names.end(), resultColumns().begin(), resultColumns().end());
    return names;
}

RunResult runBatch(InputBuffer &in, Output &out, const BatchOptions &options)
{
    MappingTable table(in);
    RunResult result;
    if (auto problem = table.readHeader()) {
        result.problem = std::move(*problem);
        result.clean = false;
        return result;
    }
    if (table.header().empty())
        return result;

    const bool csv = options.output == BatchOutput::Csv;
    if (csv) {
        // The names are safe as they stand, and unique as they are written.
        const std::vector<std::string> names = outputColumns(table.header(), options.safety);
        const std::vector<std::string_view> views(names.begin(), names.end());
        writeCsvRecord(out, views, CellSafety::Verbatim);
    }
    JsonWriter json(out);
    while (!out.failed() && table.nextRow()) {
        // A row read when the stop was asked for may be cut short.
        if (options.stop && options.stop()) {
            result.stopped = true;
            break;
        }
        const Answer answer = table.translateRow(options.readings);
        if (answer.status != Status::Translated)
            result.clean = false;
        if (csv) {
            writeCsvRow(out, table, answer, options.safety);
        } else {
            writeJson(json, answer, "row", table.rowNumber());
            out.put('\n');
        }
        result.answered = table.rowNumber();
    }
    return result;
}

} // namespace Corvane::Answers
