// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// The CSV reader of corvane-cli on any bytes, and its writer against it.
// Reading never holds more than one record's worth of text; whatever the
// writer writes, the reader reads back field for field without a complaint.
//
// Input: read once as a CSV file; then split at "|" into the fields of one
// record that goes through the writer and back.
#include "cli/csv.h"
#include "fuzzinput.h"

#include <string>
#include <vector>

using namespace Corvane;

namespace {

std::vector<std::string> fieldsOf(const Cli::CsvReader &reader)
{
    return {reader.fields().begin(), reader.fields().end()};
}

// The records as read back from the writer's text. A header record goes
// first to keep a mark-like first field off the very start of the text,
// where a byte order mark is skipped.
std::vector<std::vector<std::string>> readBack(const std::vector<std::vector<std::string>> &records,
                                               std::string_view input, std::string &problems)
{
    // One writer for every record: csvRecordText would set up a 64 KiB
    // buffer for each.
    Cli::StringSink sink;
    {
        Cli::Output out(sink);
        const std::string_view header[] = {"header"};
        Cli::writeCsvRecord(out, header);
        for (const auto &record : records) {
            const std::vector<std::string_view> fields(record.begin(), record.end());
            Cli::writeCsvRecord(out, fields);
        }
        out.flush();
    }
    Cli::StringSource source(std::move(sink.text));
    Cli::InputBuffer in(source);
    Cli::CsvReader reader(in);
    Fuzz::check(reader.next() && fieldsOf(reader) == std::vector<std::string>{"header"},
                "the header record reads back", input);
    std::vector<std::vector<std::string>> read;
    while (reader.next()) {
        problems += reader.problem();
        read.push_back(fieldsOf(reader));
    }
    return read;
}

// A record of one empty field is an empty line, which holds no record.
bool isEmptyLine(const std::vector<std::string> &fields)
{
    return fields.size() == 1 && fields[0].empty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input = Fuzz::asText(data, size);

    std::vector<std::vector<std::string>> wellFormed;
    {
        Cli::StringSource source{std::string(input)};
        Cli::InputBuffer in(source);
        Cli::CsvReader reader(in);
        std::size_t records = 0;
        while (reader.next()) {
            const std::vector<std::string> fields = fieldsOf(reader);
            Fuzz::check(++records <= input.size(), "every record consumes input", input);
            Fuzz::check(reader.overlong() == fields.empty(),
                        "only an over-long record has no fields", input);
            std::size_t length = 0;
            for (const auto &field : fields)
                length += field.size() + 1;
            Fuzz::check(length <= Cli::kLongestRecord + 1,
                        "a record with its separators stays within the limit", input);
            if (reader.problem().empty() && !reader.overlong() && !isEmptyLine(fields))
                wellFormed.push_back(fields);
        }
    }
    std::string problems;
    Fuzz::check(readBack(wellFormed, input, problems) == wellFormed && problems.empty(),
                "well-formed records survive writing and reading", input);

    std::vector<std::string> fields{{}};
    for (const char c : input) {
        if (c == '|')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    if (!isEmptyLine(fields)) {
        const auto records = readBack({fields}, input, problems);
        Fuzz::check(problems.empty(), "the reader accepts whatever the writer writes", input);
        Fuzz::check(records.size() == 1 && records[0] == fields,
                    "the writer's fields read back unchanged", input);
    }
    return 0;
}
