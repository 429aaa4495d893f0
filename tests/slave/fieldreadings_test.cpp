// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "slave/slavetranslation.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

namespace NR = Corvane::NumberReading;
using Corvane::Slave::SlaveFieldTexts;
using Corvane::Slave::TranslateSlave;

// One reading as a face sees it: "count" "x" -> 0, no number.
std::string describe(const NR::FieldReading &reading)
{
    std::string text = std::string(reading.field) + " \"" + std::string(reading.text) + "\" -> " +
                       std::to_string(reading.value);
    if (reading.notes.noNumber)
        text += ", no number";
    if (reading.notes.outOfRange)
        text += ", out of range";
    if (reading.notes.rounded)
        text += ", rounded";
    if (!reading.notes.ignored.empty())
        text += ", ignored \"" + std::string(reading.notes.ignored) + '"';
    return text;
}

struct ReadingsRow {
    const char *name;
    SlaveFieldTexts fields;
    std::vector<std::string> expected; // every number field read, in the order read
    bool silent;                       // some field was read by a silent rule
};

class SlaveFieldReadings : public testing::TestWithParam<ReadingsRow> {};

// The notes say how each field was read, and the answer is the one given
// without them.
TEST_P(SlaveFieldReadings, NoteEveryFieldAsRead)
{
    const ReadingsRow &row = GetParam();
    NR::FieldReadings readings;
    const auto noted = TranslateSlave(row.fields, &readings);
    std::vector<std::string> seen;
    for (const NR::FieldReading &reading : readings.read())
        seen.push_back(describe(reading));
    EXPECT_EQ(seen, row.expected);
    const auto plain = TranslateSlave(row.fields);
    EXPECT_EQ(noted.error.code, plain.error.code);
    EXPECT_EQ(noted.modiconStart, plain.modiconStart);
    EXPECT_EQ(noted.modiconEnd, plain.modiconEnd);
    bool anyNote = false;
    for (const NR::FieldReading &reading : readings.read())
        anyNote = anyNote || reading.notes.any();
    EXPECT_EQ(anyNote, row.silent);
}

INSTANTIATE_TEST_SUITE_P(
    Slave, SlaveFieldReadings,
    testing::Values(
        ReadingsRow{"WordsReadPlainly",
                    {"N7:4", "40001", "10"},
                    {"start \"40001\" -> 40001", "count \"10\" -> 10",
                     "address file number \"7\" -> 7", "address word \"4\" -> 4"},
                    false},
        ReadingsRow{"BitOfAWordAndSilentCount",
                    {"N7:4/5", "40001.5", "x"},
                    {"start \"40001.5\" -> 40002, rounded", "count \"x\" -> 0, no number",
                     "address file number \"7\" -> 7", "address word \"4\" -> 4",
                     "address bit \"5\" -> 5"},
                    true},
        ReadingsRow{"TrailingTextOfAnAddressIgnored",
                    {"N7:4x", "1", "99999999999"},
                    {"start \"1\" -> 1", "count \"99999999999\" -> 0, out of range",
                     "address file number \"7\" -> 7", "address word \"4x\" -> 4, ignored \"x\""},
                    true},
        ReadingsRow{"BitFileAddress",
                    {"B3/20", "1", "16"},
                    {"start \"1\" -> 1", "count \"16\" -> 16", "address file number \"3\" -> 3",
                     "address bit number \"20\" -> 20"},
                    false}),
    Corvane::Testing::RowName{});

} // namespace
