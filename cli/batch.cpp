// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "cli/batch.h"

#include "cli/exitstatus.h"
#include "cli/jsonwriter.h"
#include "cli/mappingtable.h"
#include "cli/outcome.h"

#include <unordered_map>
#include <unordered_set>

namespace Corvane::Cli {
namespace {

void writeCsvRow(Output &out, const MappingTable &table, const Outcome &outcome, CellSafety safety)
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
    writeResultCells(out, outcome, safety);
    out.write("\r\n");
}

} // namespace

std::vector<std::string> outputColumns(std::span<const std::string> header)
{
    std::unordered_set<std::string> taken;
    for (const std::string_view name : kResultColumns)
        taken.emplace(name);
    std::unordered_map<std::string, int> nextSuffix;
    std::vector<std::string> names;
    names.reserve(header.size() + kResultColumns.size());
    for (const std::string &name : header) {
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
            renamed = base + "_" + std::to_string(suffix++);
        } while (!taken.insert(columnName(renamed)).second);
        names.push_back(std::move(renamed));
    }
    names.insert(names.end(), kResultColumns.begin(), kResultColumns.end());
    return names;
}

int runBatch(InputBuffer &in, Output &out, Output &err, const BatchOptions &options)
{
    MappingTable table(in);
    if (const auto problem = table.readHeader()) {
        writeMessage(err, {in.name(), ": ", *problem});
        return kExitRefused;
    }
    if (table.header().empty())
        return kExitAnswered;

    const bool csv = options.output == BatchOutput::Csv;
    if (csv) {
        const std::vector<std::string> names = outputColumns(table.header());
        const std::vector<std::string_view> views(names.begin(), names.end());
        writeCsvRecord(out, views, options.safety);
    }
    int status = kExitAnswered;
    JsonWriter json(out);
    while (!out.failed() && table.nextRow()) {
        const Outcome outcome = table.translateRow();
        if (outcome.status != Status::Translated)
            status = kExitRefused;
        if (csv) {
            writeCsvRow(out, table, outcome, options.safety);
        } else {
            writeJson(json, outcome, "row", table.rowNumber());
            out.put('\n');
        }
    }
    return status;
}

} // namespace Corvane::Cli
