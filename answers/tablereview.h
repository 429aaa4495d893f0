// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/check.h"
#include "answers/input.h"
#include "answers/jsonwriter.h"
#include "answers/mappingtable.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A whole mapping table held in memory for a face that shows every row: read
// a slice of rows at a time, so that a face can draw its progress between
// slices, with what each row came to kept in a byte, and each row's answer
// read again when it is shown. It reads and translates the rows by the rules
// of batch and check, and finds the overlaps that check finds.
namespace Corvane::Answers {

// What a row came to, as bits of its mark. No bit: answered, nothing to say.
enum RowMark : std::uint8_t {
    kRowRefused = 1,  // the error box
    kRowInvalid = 2,  // the row cannot be read as a request
    kRowWarned = 4,   // answered, with a field that a silent rule read, or no word or bit
    kRowOverlaps = 8, // answered, and its Modicon range shares a number with another row's
    kRowMaster = 16,  // a master row
};

// The rows counted by what they came to: every row in exactly one of
// answered, warned, refused and invalid.
struct ReviewTally {
    std::uint64_t rows = 0;
    std::uint64_t answered = 0;
    std::uint64_t warned = 0;
    std::uint64_t refused = 0;
    std::uint64_t invalid = 0;
    std::uint64_t masterRows = 0;  // answered
    std::uint64_t overlaps = 0;    // pairs of rows, as check counts them
    std::uint64_t overlapRows = 0; // rows in one pair or more
};

// The largest table a review reads, in bytes: its rows' offsets are 32 bits
// wide, and so are their numbers, as in check.
inline constexpr std::uint64_t kLargestReviewedTable = 4'294'967'295;

class TableReview {
public:
    // Takes the table's bytes, as a file holds them.
    explicit TableReview(std::string text);
    TableReview(const TableReview &) = delete;
    TableReview &operator=(const TableReview &) = delete;
    ~TableReview();

    // Reads the header; returns why the table cannot be read, as batch and
    // check say it (or that it is larger than kLargestReviewedTable), or
    // nothing. An empty table has no header and no rows.
    std::optional<std::string> readHeader();
    std::span<const std::string> header() const;

    // Reads and translates at most `most` more rows; false once the last row
    // is read. After the last one the overlaps are found and marked.
    bool readRows(std::size_t most);
    bool finished() const { return m_finished; }

    const ReviewTally &tally() const { return m_tally; }
    // How far the reading has come, from 0 to 1.
    double progress() const;
    // One mark for each row read, the first row's first.
    std::span<const std::uint8_t> marks() const { return m_marks; }
    const std::string &text() const { return m_text; }

    // One row as the face shows it, read and translated again, as a JSON
    // object: its number, its cells, the result object that batch --json
    // writes for it, the answer as text lines, its warnings as check words
    // them, the page's link of its request, and the rows it overlaps (at
    // most `mostOverlaps` of them, and how many more there are). `index`
    // counts from 0.
    // {"row":1,"cells":["slave","N7:0","40001","10"],"result":{"ok":true,...},
    //  "lines":["file 7 word 0 modicon 40001-40010","holding registers..."],"warnings":[],
    //  "link":"v=1&mode=slave&...","overlaps":[{"row":2,"start":40005,"end":40010}],"more":0}
    void writeRow(JsonWriter &json, std::size_t index, std::size_t mostOverlaps = 100);

private:
    // The answered slave rows that share a number with `range`'s, but the
    // row itself, in the order of their start.
    std::vector<MappedRange> overlapsOf(const MappedRange &range) const;
    void finish();

    std::string m_text;
    TextSource m_source;
    std::unique_ptr<InputBuffer> m_input;
    std::unique_ptr<MappingTable> m_table;
    // Where each row begins, in bytes and in lines.
    std::vector<std::uint32_t> m_offsets;
    std::vector<std::uint32_t> m_lines;
    std::vector<std::uint8_t> m_marks;
    std::vector<MappedRange> m_ranges; // sorted once the last row is read
    ReviewTally m_tally;
    bool m_finished = false;
};

} // namespace Corvane::Answers
