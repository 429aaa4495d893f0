// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/tablereview.h"

#include "answers/link.h"
#include "answers/plaintext.h"
#include "answers/resultfields.h"

#include <algorithm>
#include <limits>

namespace Corvane::Answers {
namespace {

// The order findOverlaps() leaves the ranges in: by table, then by start.
bool startsBefore(const MappedRange &a, const MappedRange &b)
{
    if (a.table != b.table)
        return a.table < b.table;
    return a.low != b.low ? a.low < b.low : a.row < b.row;
}

// The rows whose ranges share a number with another's, in ranges sorted by
// startsBefore. A range that overlaps a later one overlaps the very next:
// the ranges between would start after it ends.
template <typename Mark> void markOverlaps(std::span<const MappedRange> ranges, Mark mark)
{
    std::size_t reach = 0; // the range that ends last among those begun
    for (std::size_t i = 1; i < ranges.size(); ++i) {
        const MappedRange &range = ranges[i];
        if (range.table != ranges[reach].table) {
            reach = i;
            continue;
        }
        if (range.low <= ranges[reach].high) {
            mark(range.row);
            mark(ranges[reach].row);
        }
        if (range.high > ranges[reach].high)
            reach = i;
    }
}

} // namespace

TableReview::TableReview(std::string text)
    : m_text(std::move(text)), m_source(m_text), m_input(std::make_unique<InputBuffer>(m_source)),
      m_table(std::make_unique<MappingTable>(*m_input))
{
}

TableReview::~TableReview() = default;

std::optional<std::string> TableReview::readHeader()
{
    // Offsets and row numbers are 32 bits wide; a row takes two bytes or more.
    if (m_text.size() > kLargestReviewedTable) {
        finish();
        return "the table is larger than " + std::to_string(kLargestReviewedTable) + " bytes";
    }
    auto problem = m_table->readHeader();
    if (problem || m_table->header().empty())
        finish();
    return problem;
}

double TableReview::progress() const
{
    if (m_finished || m_text.empty())
        return 1;
    return static_cast<double>(m_input->position()) / static_cast<double>(m_text.size());
}

std::span<const std::string> TableReview::header() const { return m_table->header(); }

bool TableReview::readRows(std::size_t most)
{
    for (std::size_t i = 0; i < most && !m_finished; ++i) {
        if (!m_table->nextRow()) {
            finish();
            break;
        }
        const Answer answer = m_table->translateRow();
        std::uint8_t mark = 0;
        if (answer.status == Status::Refused) {
            mark = kRowRefused;
            ++m_tally.refused;
        } else if (answer.status == Status::Invalid) {
            mark = kRowInvalid;
            ++m_tally.invalid;
        } else if (!answer.warnings.empty() || answer.emptyRun) {
            mark = kRowWarned;
            ++m_tally.warned;
        } else {
            ++m_tally.answered;
        }
        // Master rows are counted as check counts them: those answered.
        if (answer.status != Status::Invalid && !answer.slave) {
            mark |= kRowMaster;
            if (answer.status == Status::Translated)
                ++m_tally.masterRows;
        }
        const auto row = static_cast<std::uint32_t>(m_table->rowNumber());
        if (answer.status == Status::Translated && answer.slave && !answer.emptyRun) {
            const Modbus::ModiconRange &range = *answer.range;
            m_ranges.push_back({std::min(range.start, *range.end),
                                std::max(range.start, *range.end), row, range.table});
        }
        ++m_tally.rows;
        m_offsets.push_back(static_cast<std::uint32_t>(m_table->rowOffset()));
        m_lines.push_back(static_cast<std::uint32_t>(m_table->rowLine()));
        m_marks.push_back(mark);
    }
    return !m_finished;
}

void TableReview::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    // Counted as check counts them; listing none costs no more than the sort.
    m_tally.overlaps = findOverlaps(m_ranges, 0, {});
    markOverlaps(m_ranges, [this](std::uint32_t row) {
        std::uint8_t &mark = m_marks[row - 1];
        if (!(mark & kRowOverlaps)) {
            mark |= kRowOverlaps;
            ++m_tally.overlapRows;
        }
    });
}

std::vector<MappedRange> TableReview::overlapsOf(const MappedRange &range) const
{
    std::vector<MappedRange> found;
    const MappedRange first{std::numeric_limits<std::int32_t>::min(),
                            std::numeric_limits<std::int32_t>::min(), 0, range.table};
    for (auto it = std::lower_bound(m_ranges.begin(), m_ranges.end(), first, startsBefore);
         it != m_ranges.end() && it->table == range.table && it->low <= range.high; ++it) {
        if (it->high >= range.low && it->row != range.row)
            found.push_back(*it);
    }
    return found;
}

void TableReview::writeRow(JsonWriter &json, std::size_t index, std::size_t mostOverlaps)
{
    const auto rowNumber = static_cast<std::int64_t>(index + 1);
    TextSource source(std::string_view(m_text).substr(m_offsets.at(index)));
    InputBuffer input(source);
    MappingTable table(input, *m_table, m_lines.at(index));
    table.nextRow();
    const Answer answer = table.translateRow();

    json.beginObject();
    json.member("row", rowNumber);
    json.key("cells");
    json.beginArray();
    for (const std::string_view cell : table.row())
        json.value(cell);
    json.endArray();
    json.key("result");
    writeJson(json, answer, "row", rowNumber);

    StringSink lines;
    {
        Output out(lines, 1024);
        writeText(answer, out, out);
        out.flush();
    }
    json.key("lines");
    json.beginArray();
    std::string_view text = lines.text;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        json.value(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    json.endArray();

    // The warnings of any answer, a refusal's too: they may explain it.
    json.key("warnings");
    json.beginArray();
    for (const Warning &warning : answer.warnings)
        json.value(warning.message);
    if (answer.emptyRun)
        json.value(kEmptyRunWarning);
    json.endArray();

    const auto request = table.rowRequest();
    if (const auto *asked = std::get_if<Request>(&request))
        json.member("link", linkFragment(requestLink(*asked)));

    json.key("overlaps");
    json.beginArray();
    std::size_t more = 0;
    if (answer.status == Status::Translated && answer.slave && !answer.emptyRun) {
        const Modbus::ModiconRange &range = *answer.range;
        const MappedRange own{std::min(range.start, *range.end), std::max(range.start, *range.end),
                              static_cast<std::uint32_t>(rowNumber), range.table};
        const std::vector<MappedRange> others = overlapsOf(own);
        for (std::size_t i = 0; i < others.size() && i < mostOverlaps; ++i) {
            json.beginObject();
            json.member("row", others[i].row);
            json.member("start", std::max(own.low, others[i].low));
            json.member("end", std::min(own.high, others[i].high));
            json.endObject();
        }
        more = others.size() - std::min(others.size(), mostOverlaps);
    }
    json.endArray();
    json.member("more", more);
    json.endObject();
}

} // namespace Corvane::Answers
