// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT

// The details line under an answer: the table, the protocol offsets, the
// 6-digit references and the functions that read and write the table.
#include "answers/details.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using Corvane::Modbus::ModiconClass;
using Corvane::Modbus::ModiconRange;

std::string detailsLine(ModiconClass table, std::int32_t start, std::optional<std::int32_t> end)
{
    return Corvane::Answers::detailsLine(Corvane::Answers::Details({table, start, end}));
}

struct LineRow {
    const char *name;
    ModiconClass table;
    std::int32_t start;
    std::optional<std::int32_t> end; // nullopt: a single start, as a master answer has
    std::string_view line;
};

class DetailsLine : public testing::TestWithParam<LineRow> {};

TEST_P(DetailsLine, NamesTableOffsetsReferencesAndFunctions)
{
    const LineRow &row = GetParam();
    EXPECT_EQ(detailsLine(row.table, row.start, row.end), row.line);
}

// The three shapes: a start alone, a range of one number, a range.
INSTANTIATE_TEST_SUITE_P(
    Shapes, DetailsLine,
    testing::Values(
        LineRow{"StartAlone", ModiconClass::HoldingRegisters, 41234, std::nullopt,
                "holding registers (4X): start 41234, offset 1233 (0x04D1), 6-digit 401234; read "
                "with 03, write with 06, 16"},
        LineRow{"OneNumber", ModiconClass::Coils, 5, 5,
                "coils (0X): offset 4 (0x0004), 6-digit 000005; read with 01, write with 05, 15"},
        LineRow{"Range", ModiconClass::HoldingRegisters, 40001, 40010,
                "holding registers (4X): offsets 0-9 (0x0000-0x0009), 6-digit 400001-400010; "
                "read with 03, write with 06, 16"},
        LineRow{"RangeOfInputs", ModiconClass::DiscreteInputs, 10001, 10032,
                "discrete inputs (1X): offsets 0-31 (0x0000-0x001F), 6-digit 100001-100032; read "
                "with 02, no write function"},
        LineRow{"OneInputRegister", ModiconClass::InputRegisters, 30001, 30001,
                "input registers (3X): offset 0 (0x0000), 6-digit 300001; read with 04, no write "
                "function"},
        // A negative count runs the range backwards; both ends keep their order.
        LineRow{"BackwardsRange", ModiconClass::HoldingRegisters, 40010, 40004,
                "holding registers (4X): offsets 9-3 (0x0009-0x0003), 6-digit 400010-400004; "
                "read with 03, write with 06, 16"}),
    Corvane::Testing::RowName{});

// A number that the protocol cannot reach reads "none", in every shape and at
// either end of a range.
INSTANTIATE_TEST_SUITE_P(
    BeyondTheProtocol, DetailsLine,
    testing::Values(
        LineRow{"StartAlone", ModiconClass::HoldingRegisters, 105537, std::nullopt,
                "holding registers (4X): start 105537, offset none, 6-digit none; read with 03, "
                "write with 06, 16"},
        LineRow{"OneNumber", ModiconClass::InputRegisters, 30000, 30000,
                "input registers (3X): offset none, 6-digit none; read with 04, no write "
                "function"},
        LineRow{"StartOfARange", ModiconClass::HoldingRegisters, 2000000000, 49999,
                "holding registers (4X): offsets none to 9998 (0x270E), 6-digit none to 409999; "
                "read with 03, write with 06, 16"},
        LineRow{"EndOfARange", ModiconClass::Coils, 65536, 65537,
                "coils (0X): offsets 65535 (0xFFFF) to none, 6-digit 065536 to none; read with "
                "01, write with 05, 15"},
        LineRow{"BothEnds", ModiconClass::DiscreteInputs, 0, -5,
                "discrete inputs (1X): offsets none to none, 6-digit none to none; read with 02, "
                "no write function"}),
    Corvane::Testing::RowName{});

} // namespace
