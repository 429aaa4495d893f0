// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// The mapping table of the page through embind: one table at a time, read
// in slices so that the page draws its progress between them, each row
// shown when it scrolls into view, and the downloads that corvane-cli batch
// and check write for the same bytes.
#include "answers/batch.h"
#include "answers/check.h"
#include "answers/csv.h"
#include "answers/input.h"
#include "answers/jsonwriter.h"
#include "answers/output.h"
#include "answers/tablereview.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <memory>
#include <string>

namespace Corvane::Web {
namespace {

using emscripten::val;

// The bytes of the next table, written by the page, and the table open.
std::string pendingBytes;
std::unique_ptr<Answers::TableReview> review;

val bytesView(const std::string &bytes)
{
    return val(emscripten::typed_memory_view(
        bytes.size(), reinterpret_cast<const unsigned char *>(bytes.data())));
}

// Room for a table of `size` bytes, for the page to copy the file into. The
// view holds until the module's memory next grows.
val tableBuffer(std::size_t size)
{
    review.reset();
    pendingBytes.assign(size, '\0');
    return bytesView(pendingBytes);
}

// Opens the bytes written into tableBuffer(): rows pasted from a
// spreadsheet are read as the CSV they stand for. Returns why the table
// cannot be read (its header), or "".
std::string openTable(bool pasted)
{
    if (pasted && Answers::isTabSeparated(pendingBytes))
        pendingBytes = Answers::tabSeparatedAsCsv(pendingBytes);
    review = std::make_unique<Answers::TableReview>(std::move(pendingBytes));
    pendingBytes = std::string();
    return review->readHeader().value_or(std::string());
}

// Reads and translates at most `most` more rows; false once all are read.
bool readRows(std::size_t most) { return review && review->readRows(most); }

double progress() { return review ? review->progress() : 1; }

val tally()
{
    val counts = val::object();
    if (!review)
        return counts;
    const Answers::ReviewTally &tally = review->tally();
    const std::pair<const char *, std::uint64_t> members[] = {
        {"rows", tally.rows},         {"answered", tally.answered},
        {"warned", tally.warned},     {"refused", tally.refused},
        {"invalid", tally.invalid},   {"masterRows", tally.masterRows},
        {"overlaps", tally.overlaps}, {"overlapRows", tally.overlapRows}};
    for (const auto &[name, count] : members)
        counts.set(name, static_cast<double>(count));
    return counts;
}

val header()
{
    val names = val::array();
    if (review) {
        for (const std::string &name : review->header())
            names.call<void>("push", name);
    }
    return names;
}

// One byte per row, its RowMark bits; a view until the memory next grows.
val rowMarks()
{
    if (!review)
        return val(emscripten::typed_memory_view(0, static_cast<const unsigned char *>(nullptr)));
    const auto marks = review->marks();
    return val(emscripten::typed_memory_view(marks.size(), marks.data()));
}

// One row as the table shows it, as JSON text (TableReview::writeRow).
val tableRow(std::size_t index)
{
    static Answers::StringSink sink;
    sink.text.clear();
    if (review && index < review->marks().size()) {
        Answers::Output out(sink, 4096);
        Answers::JsonWriter json(out);
        review->writeRow(json, index);
        out.flush();
    }
    return bytesView(sink.text);
}

// Hands each piece of a download to the page as it is written.
class PieceSink : public Answers::ByteSink {
public:
    explicit PieceSink(val take) : m_take(std::move(take)) {}
    Answers::IoResult write(const char *data, std::size_t size) override
    {
        m_take(val(
            emscripten::typed_memory_view(size, reinterpret_cast<const unsigned char *>(data))));
        return {size, 0};
    }

private:
    val m_take;
};

// What corvane-cli writes for the open table: "batch", "batch-safe" (with
// --safe-for-spreadsheets), "batch-json" or "check-json", in pieces handed
// to `take`, each a view that holds only during the call.
void download(const std::string &kind, val take)
{
    if (!review)
        return;
    Answers::TextSource source(review->text());
    Answers::InputBuffer in(source);
    PieceSink sink(std::move(take));
    Answers::Output out(sink, 1024 * 1024);
    if (kind == "check-json") {
        Answers::runCheck(in, out, true);
    } else {
        Answers::BatchOptions options;
        if (kind == "batch-json")
            options.output = Answers::BatchOutput::JsonLines;
        if (kind == "batch-safe")
            options.safety = Answers::CellSafety::Spreadsheet;
        Answers::runBatch(in, out, options);
    }
    out.flush();
}

void closeTable()
{
    review.reset();
    pendingBytes = std::string();
}

} // namespace

EMSCRIPTEN_BINDINGS(corvane_mapping_table)
{
    emscripten::function("tableBuffer", &tableBuffer);
    emscripten::function("openTable", &openTable);
    emscripten::function("readRows", &readRows);
    emscripten::function("tableProgress", &progress);
    emscripten::function("tableTally", &tally);
    emscripten::function("tableHeader", &header);
    emscripten::function("rowMarks", &rowMarks);
    emscripten::function("tableRow", &tableRow);
    emscripten::function("download", &download);
    emscripten::function("closeTable", &closeTable);
}

} // namespace Corvane::Web
