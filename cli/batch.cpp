#include "cli/batch.h"

#include "cli/csv.h"
#include "cli/jsonlines.h"
#include "cli/outcome.h"
#include "cli/request.h"

#include <optional>
#include <string>
#include <vector>

namespace Corvane::Cli {
namespace {

// Output is gathered and written in blocks of about this size.
constexpr std::size_t kFlushSize = 1 << 16;

// Header names are matched without regard to case or surrounding blanks, since
// they name columns rather than carry texts for the window.
std::string columnName(std::string_view header)
{
    const std::size_t first = header.find_first_not_of(" \t");
    const std::size_t last = header.find_last_not_of(" \t");
    std::string name;
    if (first != std::string_view::npos)
        name = header.substr(first, last - first + 1);
    for (char &c : name) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return name;
}

// Which input column feeds which request field.
struct ColumnMap {
    std::vector<std::pair<std::string, std::size_t>> fields;
    bool hasMode = false;

    explicit ColumnMap(const std::vector<std::string> &header)
    {
        for (std::size_t i = 0; i < header.size(); ++i) {
            std::string name = columnName(header[i]);
            if (!isRequestField(name))
                continue;
            bool seen = false;
            for (const auto &field : fields)
                seen = seen || field.first == name;
            if (seen)
                continue; // the first column of a name counts
            hasMode = hasMode || name == "mode";
            fields.emplace_back(std::move(name), i);
        }
    }
};

Outcome translateRow(const ColumnMap &columns, const std::vector<std::string> &row,
                     std::size_t headerSize, const std::string &problem)
{
    if (!problem.empty())
        return invalid("the row breaks the CSV format: " + problem);
    if (row.size() != headerSize)
        return invalid("the row has " + std::to_string(row.size()) + " fields, the header " +
                       std::to_string(headerSize));
    if (!columns.hasMode)
        return invalid("the header names no mode column");
    std::vector<NamedField> fields;
    for (const auto &[name, index] : columns.fields) {
        // An empty cell is a field not given: in a mixed table the other
        // mode's cells are empty, and master selections then take the
        // window's start-up values.
        if (!row[index].empty())
            fields.push_back({name, row[index]});
    }
    const auto request = requestFromFields(fields, false);
    if (const auto *error = std::get_if<RequestError>(&request))
        return invalid(error->message);
    return translate(std::get<Request>(request));
}

} // namespace

int runBatch(std::istream &in, std::ostream &out, BatchOutput output)
{
    CsvReader reader(in);
    std::vector<std::string> header;
    const bool hasHeader = reader.next(header);
    const std::string headerProblem = reader.problem();
    const ColumnMap columns(header);

    std::string buffer;
    const auto flush = [&buffer, &out] {
        out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        buffer.clear();
    };
    if (output == BatchOutput::Csv && hasHeader) {
        std::vector<std::string> names = header;
        names.insert(names.end(), kResultColumns.begin(), kResultColumns.end());
        appendCsvRecord(buffer, names);
    }

    int status = 0;
    long rowNumber = 0;
    std::vector<std::string> row;
    std::vector<std::string> record(header.size() + kResultColumns.size());
    while (reader.next(row)) {
        ++rowNumber;
        const Outcome outcome =
            headerProblem.empty()
                ? translateRow(columns, row, header.size(), reader.problem())
                : invalid("the header row breaks the CSV format: " + headerProblem);
        if (outcome.status != Status::Translated)
            status = 2;
        if (output == BatchOutput::JsonLines) {
            buffer += dumpLine(toJson(outcome, "row", rowNumber));
            buffer += '\n';
        } else {
            // The input columns as the header counts them, then the results.
            for (std::size_t i = 0; i < header.size(); ++i)
                record[i] = i < row.size() ? std::move(row[i]) : std::string();
            auto results = resultFields(outcome);
            std::move(results.begin(), results.end(), record.begin() + header.size());
            appendCsvRecord(buffer, record);
        }
        if (buffer.size() >= kFlushSize)
            flush();
    }
    flush();
    out.flush();
    return status;
}

} // namespace Corvane::Cli
