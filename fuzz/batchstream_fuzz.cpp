// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// corvane-cli's batch translation on any bytes as a mapping table, read
// through a source that hands them out in pieces of a fuzzed size. The
// records are found by a splitter written apart from the reader; every row
// gets exactly one output row, the same as that row alone under the same
// header, so an over-long row or a stray quote is one error and the rows
// after it are all there; the status is 2 exactly when a row did not
// translate.
//
// Input: a text with runs (see expandRuns); its first byte picks the size of
// the pieces and whether cells are written safe for spreadsheets.
#include "answers/batch.h"
#include "fuzzinput.h"
#include "piecesource.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

using namespace Corvane;

namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// The records of a CSV text as the reader's rules put them: a byte order
// mark first is skipped, and so are empty lines; a quote opens a quoted field
// only as the field's first byte, where "" stands for a quote; a record ends
// at a line end outside quotes or at the end of the text. A record that
// reaches past 64 KiB ends at the next line end, quoted or not. A quote still
// open at 64 KiB or at the end of the text, or one whose field takes in a
// line end and then closes before text, ends its record with its own line.
//
// Each record keeps the line end that closed it: a record cut at exactly
// 64 KiB inside quotes is over-long only because a line end follows (the
// quotes would take it in), and alone it must meet the same line end.
struct Record {
    std::string_view text;
    std::string_view lineEnd; // empty at the end of the text
};

std::vector<Record> recordsOf(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<Record> records;
    std::size_t at = 0;
    while (true) {
        while (at < text.size() && isLineEnd(text[at]))
            ++at;
        if (at == text.size())
            return records;
        const std::size_t start = at;
        bool quoted = false;
        bool fieldStart = true;
        bool afterClosingQuote = false; // in a field that was quoted, after its quote
        std::size_t quoteAt = 0;        // the last quote that opened a field
        bool quoteTookLines = false;    // its field holds a line end
        // The end of the line of that quote, within the first `within` bytes.
        const auto quoteLineEnd = [&](std::size_t within) {
            std::size_t end = quoteAt;
            while (end < within && !isLineEnd(text[end]))
                ++end;
            return end;
        };
        while (at < text.size() && (quoted || !isLineEnd(text[at]))) {
            if (at - start == Answers::kLongestRecord) {
                if (quoted && quoteLineEnd(at) < at) {
                    at = quoteLineEnd(at);
                    break;
                }
                while (at < text.size() && !isLineEnd(text[at]))
                    ++at;
                break;
            }
            const char c = text[at++];
            if (quoted) {
                if (c == '"') {
                    // A doubled quote is one only if both halves fit.
                    if (at < text.size() && text[at] == '"' &&
                        at - start < Answers::kLongestRecord) {
                        ++at;
                    } else {
                        quoted = false;
                        afterClosingQuote = true;
                    }
                } else if (isLineEnd(c)) {
                    quoteTookLines = true;
                }
                continue;
            }
            if (c == '"' && fieldStart) {
                quoted = true;
                quoteAt = at - 1;
                quoteTookLines = false;
            } else if (c != ',' && c != '"' && afterClosingQuote && quoteTookLines) {
                at = quoteLineEnd(at);
                break;
            }
            if (c == ',')
                afterClosingQuote = false;
            fieldStart = c == ',';
        }
        if (quoted && at == text.size())
            at = quoteLineEnd(at);
        records.push_back(
            {text.substr(start, at - start), text.substr(at, at < text.size() ? 1 : 0)});
        if (at < text.size())
            ++at; // the line end
    }
}

// An output with the line numbers in its messages taken out: a row alone
// stands on another line than in the table.
std::string withoutLineNumbers(std::string text)
{
    static constexpr std::string_view kOnLine = "opened on line ";
    for (std::size_t at = 0; (at = text.find(kOnLine, at)) != std::string::npos;) {
        at += kOnLine.size();
        std::size_t end = at;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9')
            ++end;
        text.replace(at, end - at, "N");
    }
    return text;
}

struct BatchRun {
    int status = 0;
    std::string out;
    std::string problem; // why the run stopped before its first row
};

BatchRun batchOf(std::string_view text, std::size_t piece, Answers::CellSafety safety)
{
    BatchRun run;
    Answers::StringSink out;
    {
        Fuzz::PieceSource source(text, piece, "table.csv");
        Answers::Output outBuffer(out);
        Answers::InputBuffer in(source, &outBuffer);
        const Answers::RunResult result =
            Answers::runBatch(in, outBuffer, {Answers::BatchOutput::Csv, safety});
        outBuffer.flush();
        run.status = result.clean ? 0 : 2;
        run.problem = result.problem;
    }
    run.out = withoutLineNumbers(std::move(out.text));
    return run;
}

// Rows compared one by one; enough to see an over-long row among others.
constexpr std::size_t kComparedRows = 6;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text = Fuzz::expandRuns(Fuzz::asText(data, size));
    const std::string_view input = text;
    static constexpr std::array<std::size_t, 8> kPieces{1,
                                                        3,
                                                        4096,
                                                        Answers::kLongestRecord - 1,
                                                        Answers::kLongestRecord,
                                                        Answers::kLongestRecord + 2,
                                                        100'000,
                                                        SIZE_MAX};
    const unsigned first = size > 0 ? data[0] : 0;
    const std::size_t piece = kPieces[first % kPieces.size()];
    const auto safety =
        (first & 8) != 0 ? Answers::CellSafety::Spreadsheet : Answers::CellSafety::Verbatim;

    const BatchRun whole = batchOf(input, piece, safety);
    const std::vector<Record> records = recordsOf(input);
    if (records.empty()) {
        Fuzz::check(whole.status == 0 && whole.out.empty() && whole.problem.empty(),
                    "an empty table has no output", input);
        return 0;
    }
    if (whole.status == 2 && whole.out.empty()) {
        Fuzz::check(!whole.problem.empty() && whole.problem.find('\n') == std::string::npos,
                    "a header that cannot be read gets one message", input);
        return 0;
    }
    Fuzz::check(whole.problem.empty(), "rows are reported in the output only", input);

    // The output header, then each row as the row alone gives it. The reader
    // skips one byte order mark: the one written here, so that a header that
    // itself starts with a mark (the text had two) reaches it unchanged.
    const std::string header = "\xEF\xBB\xBF" + std::string(records[0].text) + "\n";
    const BatchRun alone = batchOf(header, SIZE_MAX, safety);
    Fuzz::check(alone.status == 0 && whole.out.starts_with(alone.out),
                "the output header depends on the header only", input);
    std::string expected = alone.out;
    int status = 0;
    for (std::size_t i = 1; i < records.size() && i <= kComparedRows; ++i) {
        const BatchRun row =
            batchOf(header + std::string(records[i].text) + std::string(records[i].lineEnd),
                    SIZE_MAX, safety);
        Fuzz::check(row.out.starts_with(alone.out) && row.out.size() > alone.out.size(),
                    "a row alone gets one output row", input);
        expected.append(row.out, alone.out.size());
        status = std::max(status, row.status);
    }
    if (records.size() - 1 <= kComparedRows) {
        Fuzz::check(whole.out == expected,
                    "every row gets one output row, the same as the row alone", input);
        Fuzz::check(whole.status == status, "the status is 2 exactly when a row did not translate",
                    input);
    } else {
        Fuzz::check(whole.out.starts_with(expected),
                    "every row gets one output row, the same as the row alone", input);
    }
    return 0;
}
