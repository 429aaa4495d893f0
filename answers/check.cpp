// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/check.h"

#include "answers/answer.h"
#include "answers/jsonwriter.h"
#include "answers/mappingtable.h"
#include "errors/errormessages.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>

namespace Corvane::Answers {
namespace {

// "1 row", "2 rows"
std::string counted(std::uint64_t count, std::string_view one, std::string_view many)
{
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

struct Tally {
    std::uint64_t rows = 0;
    std::uint64_t answered = 0;
    std::uint64_t masterRows = 0;
    std::uint64_t refused = 0;
    std::uint64_t invalid = 0;
    std::uint64_t overlaps = 0;
    std::uint64_t listed = 0;
    std::uint64_t warned = 0; // rows with a warning
};

// Writes the findings as text lines or as JSON Lines.
class Findings {
public:
    Findings(Output &out, bool json) : m_out(out), m_json(out), m_asJson(json) {}

    void refusedOrInvalid(std::int64_t row, const Answer &answer)
    {
        const bool refused = answer.status == Status::Refused;
        if (m_asJson) {
            m_json.beginObject();
            m_json.member("kind", refused ? "refused" : "invalid");
            m_json.member("row", row);
            if (refused) {
                m_json.member("code", static_cast<int>(answer.code));
                m_json.member("message", Errors::errorText(answer.code));
            } else {
                m_json.member("error", answer.error);
            }
            m_json.endObject();
        } else {
            m_out.write("row ");
            m_out.number(row);
            if (refused) {
                m_out.write(": refused, error box code ");
                m_out.number(static_cast<int>(answer.code));
                const auto lines = Errors::errorLines(answer.code);
                if (!lines.empty()) {
                    m_out.write(": ");
                    m_out.write(lines.front());
                }
            } else {
                m_out.write(": invalid, ");
                m_out.write(answer.error);
            }
        }
        m_out.put('\n');
    }

    // One line for each field a silent rule read, or for a run that covers
    // no number.
    void warnings(std::int64_t row, const Answer &answer)
    {
        for (const Warning &warning : answer.warnings) {
            if (m_asJson) {
                m_json.beginObject();
                m_json.member("kind", "warning");
                m_json.member("row", row);
                m_json.member("field", warning.field);
                m_json.member("text", warning.text);
                m_json.member("read_as", warning.value);
                m_json.member("reason", warning.reason);
                m_json.member("message", warning.message);
                m_json.endObject();
            } else {
                warningLine(row, warning.message);
            }
            m_out.put('\n');
        }
        if (answer.emptyRun) {
            if (m_asJson) {
                m_json.beginObject();
                m_json.member("kind", "warning");
                m_json.member("row", row);
                m_json.member("reason", "empty run");
                m_json.member("message", kEmptyRunWarning);
                m_json.endObject();
            } else {
                warningLine(row, kEmptyRunWarning);
            }
            m_out.put('\n');
        }
    }

    void overlap(const Overlap &pair)
    {
        const Modbus::ModiconClassInfo &info = Modbus::modiconClassInfo(pair.table);
        if (m_asJson) {
            m_json.beginObject();
            m_json.member("kind", "overlap");
            m_json.key("rows");
            m_json.beginArray();
            m_json.value(pair.firstRow);
            m_json.value(pair.secondRow);
            m_json.endArray();
            m_json.member("table", info.table);
            m_json.member("reference", info.reference);
            m_json.member("start", pair.low);
            m_json.member("end", pair.high);
            m_json.endObject();
        } else {
            m_out.write("rows ");
            m_out.number(pair.firstRow);
            m_out.write(" and ");
            m_out.number(pair.secondRow);
            m_out.write(" overlap in ");
            m_out.write(info.table);
            m_out.put(' ');
            m_out.number(pair.low);
            if (pair.high != pair.low) {
                m_out.put('-');
                m_out.number(pair.high);
            }
        }
        m_out.put('\n');
    }

    void summary(const Tally &tally)
    {
        if (m_asJson) {
            m_json.beginObject();
            m_json.member("kind", "summary");
            const std::pair<std::string_view, std::uint64_t> counts[] = {
                {"rows", tally.rows},
                {"answered", tally.answered},
                {"master_rows", tally.masterRows},
                {"refused", tally.refused},
                {"invalid", tally.invalid},
                {"overlaps", tally.overlaps},
                {"overlaps_listed", tally.listed},
                {"warnings", tally.warned}};
            for (const auto &[name, count] : counts)
                m_json.member(name, count);
            m_json.endObject();
        } else {
            std::string line = counted(tally.rows, "row", "rows") + ": " +
                               counted(tally.answered, "slave row", "slave rows") + " answered, " +
                               std::to_string(tally.refused) + " refused, " +
                               std::to_string(tally.invalid) + " invalid";
            if (tally.masterRows > 0)
                line +=
                    ", " + counted(tally.masterRows, "master row", "master rows") + " not compared";
            if (tally.warned > 0)
                line += ", " + std::to_string(tally.warned) + " with warnings";
            m_out.write(line + "; " +
                        counted(tally.overlaps, "overlapping pair", "overlapping pairs"));
            if (tally.listed < tally.overlaps)
                m_out.write(", the first " + std::to_string(tally.listed) + " listed");
        }
        m_out.put('\n');
    }

private:
    void warningLine(std::int64_t row, std::string_view message)
    {
        m_out.write("row ");
        m_out.number(row);
        m_out.write(": warning, ");
        m_out.write(message);
    }

    Output &m_out;
    JsonWriter m_json;
    bool m_asJson;
};

} // namespace

std::uint64_t findOverlaps(std::vector<MappedRange> &ranges, std::size_t listed,
                           const std::function<void(const Overlap &)> &report)
{
    std::sort(ranges.begin(), ranges.end(), [](const MappedRange &a, const MappedRange &b) {
        if (a.table != b.table)
            return a.table < b.table;
        return a.low != b.low ? a.low < b.low : a.row < b.row;
    });
    // The ranges begun so far that reach the current start: a heap whose top
    // ends first, so that those ended are dropped from the top.
    std::vector<std::size_t> active;
    const auto endsLater = [&ranges](std::size_t a, std::size_t b) {
        return ranges[a].high > ranges[b].high;
    };
    std::vector<std::size_t> partners;
    std::uint64_t total = 0;
    std::size_t reported = 0;
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        const MappedRange &range = ranges[i];
        if (i > 0 && ranges[i - 1].table != range.table)
            active.clear();
        while (!active.empty() && ranges[active.front()].high < range.low) {
            std::pop_heap(active.begin(), active.end(), endsLater);
            active.pop_back();
        }
        // Every range still active began no later and ends no sooner.
        total += active.size();
        if (reported < listed && !active.empty()) {
            partners = active;
            const std::size_t take = std::min(listed - reported, partners.size());
            std::partial_sort(
                partners.begin(), partners.begin() + static_cast<std::ptrdiff_t>(take),
                partners.end(),
                [&ranges](std::size_t a, std::size_t b) { return ranges[a].row < ranges[b].row; });
            for (std::size_t k = 0; k < take; ++k) {
                const MappedRange &other = ranges[partners[k]];
                report({std::min(other.row, range.row), std::max(other.row, range.row), range.table,
                        range.low, std::min(other.high, range.high)});
            }
            reported += take;
        }
        active.push_back(i);
        std::push_heap(active.begin(), active.end(), endsLater);
    }
    return total;
}

RunResult runCheck(InputBuffer &in, Output &out, bool json, Readings readings, StopRequested stop)
{
    MappingTable table(in);
    RunResult result;
    result.clean = false;
    if (auto problem = table.readHeader()) {
        result.problem = std::move(*problem);
        return result;
    }
    Findings findings(out, json);
    Tally tally;
    std::vector<MappedRange> ranges;
    while (!out.failed() && table.nextRow()) {
        if (table.rowNumber() > std::numeric_limits<std::uint32_t>::max()) {
            result.problem = "check reads at most 4294967295 rows";
            return result;
        }
        if (stop && stop()) {
            result.stopped = true;
            return result;
        }
        ++tally.rows;
        result.answered = table.rowNumber();
        const Answer answer = table.translateRow(readings);
        if (answer.status != Status::Translated) {
            ++(answer.status == Status::Refused ? tally.refused : tally.invalid);
            findings.refusedOrInvalid(table.rowNumber(), answer);
            continue;
        }
        if (!answer.warnings.empty() || answer.emptyRun) {
            ++tally.warned;
            findings.warnings(table.rowNumber(), answer);
        }
        if (!answer.slave) {
            ++tally.masterRows;
            continue;
        }
        ++tally.answered;
        if (!answer.emptyRun) {
            const Modbus::ModiconRange &range = *answer.range;
            ranges.push_back({std::min(range.start, *range.end), std::max(range.start, *range.end),
                              static_cast<std::uint32_t>(table.rowNumber()), range.table});
        }
    }
    if (out.failed() || in.failed())
        return result;
    tally.overlaps =
        findOverlaps(ranges, kMostListedOverlaps, [&findings, &tally](const Overlap &pair) {
            ++tally.listed;
            findings.overlap(pair);
        });
    findings.summary(tally);
    result.clean =
        tally.refused == 0 && tally.invalid == 0 && tally.overlaps == 0 && tally.warned == 0;
    return result;
}

} // namespace Corvane::Answers
