// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// The CSV reader of corvane-cli on any bytes, and its writer against it.
// Reading never holds more than one record's worth of text; whatever the
// writer writes, the reader reads back field for field without a complaint,
// or as one record without fields when the written text passes the limit.
//
// Input: a text with runs (see expandRuns), read once as a CSV file; then
// split at "|" into the fields of one record that goes through the writer
// and back.
#include "answers/csv.h"
#include "fuzzinput.h"
#include "tests/support/bytestreams.h"

#include <string>
#include <vector>

using namespace Corvane;

namespace {

std::vector<std::string> fieldsOf(const Answers::CsvReader &reader)
{
    return {reader.fields().begin(), reader.fields().end()};
}

using Records = std::vector<std::vector<std::string>>;

// The records as read back from the writer's text, and what should come
// back: each record as written, or no fields for one whose text is longer
// than the reader's limit. A header record goes first to keep a mark-like
// first field off the very start of the text, where a byte order mark is
// skipped.
Records readBack(const Records &records, Records &expected, std::string_view input,
                 std::string &problems)
{
    // One writer for every record: csvRecordText would set up a 64 KiB
    // buffer for each.
    Answers::StringSink sink;
    {
        Answers::Output out(sink);
        const std::string_view header[] = {"header"};
        Answers::writeCsvRecord(out, header);
        out.flush();
        for (const auto &record : records) {
            const std::size_t before = sink.text.size();
            const std::vector<std::string_view> fields(record.begin(), record.end());
            Answers::writeCsvRecord(out, fields);
            out.flush();
            // Reading goes on after the next line end, which may stand inside
            // the over-long record's quotes: what follows it is not compared.
            const bool fits = sink.text.size() - before - 2 <= Answers::kLongestRecord;
            expected.push_back(fits ? record : std::vector<std::string>{});
            if (!fits)
                break;
        }
    }
    Testing::StringSource source(std::move(sink.text));
    Answers::InputBuffer in(source);
    Answers::CsvReader reader(in);
    Fuzz::check(reader.next() && fieldsOf(reader) == std::vector<std::string>{"header"},
                "the header record reads back", input);
    Records read;
    while (read.size() < expected.size() && reader.next()) {
        // A record past the limit ends inside its quotes as a stray quote's
        // would, and is reported as one.
        if (!expected[read.size()].empty())
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
    const std::string text = Fuzz::expandRuns(Fuzz::asText(data, size));
    const std::string_view input = text;

    Records wellFormed;
    {
        Testing::StringSource source{std::string(input)};
        Answers::InputBuffer in(source);
        Answers::CsvReader reader(in);
        std::size_t records = 0;
        while (reader.next()) {
            const std::vector<std::string> fields = fieldsOf(reader);
            Fuzz::check(++records <= input.size(), "every record consumes input", input);
            const bool strayQuote = reader.problem().starts_with("a quote opened on line ");
            Fuzz::check((reader.overlong() || strayQuote) == fields.empty(),
                        "only an over-long record or a stray quote's has no fields", input);
            std::size_t length = 0;
            for (const auto &field : fields)
                length += field.size() + 1;
            Fuzz::check(length <= Answers::kLongestRecord + 1,
                        "a record with its separators stays within the limit", input);
            if (reader.problem().empty() && !reader.overlong() && !isEmptyLine(fields))
                wellFormed.push_back(fields);
        }
    }
    std::string problems;
    Records expected;
    Fuzz::check(readBack(wellFormed, expected, input, problems) == expected && problems.empty(),
                "well-formed records survive writing and reading", input);

    std::vector<std::string> fields{{}};
    for (const char c : input) {
        if (c == '|')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    if (!isEmptyLine(fields)) {
        expected.clear();
        const auto records = readBack({fields}, expected, input, problems);
        Fuzz::check(problems.empty(), "the reader accepts whatever the writer writes", input);
        Fuzz::check(records == expected,
                    "the writer's fields read back unchanged, or as one over-long record", input);
    }
    return 0;
}
