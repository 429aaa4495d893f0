// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT

// The details line under an answer: the table, the protocol offsets, the
// 6-digit references and the functions that read and write the table.
#include "master/details.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using Corvane::Master::CommandDirection;
using Corvane::Master::detailsLine;
using Corvane::Master::functionNumbers;
using Corvane::Master::requestRange;
using Corvane::Modbus::ModiconClass;
using Corvane::Modbus::ModiconRange;

struct FunctionsRow {
    const char *name;
    ModiconClass table;
    CommandDirection direction;
    std::string_view separator;
    std::string_view numbers;
};

class FunctionNumbers : public testing::TestWithParam<FunctionsRow> {};

TEST_P(FunctionNumbers, JoinTheTwoDigitNumbers)
{
    const FunctionsRow &row = GetParam();
    EXPECT_EQ(functionNumbers(row.table, row.direction, row.separator), row.numbers);
}

// Diagnostics reads and writes no table, so it is never listed.
INSTANTIATE_TEST_SUITE_P(
    Tables, FunctionNumbers,
    testing::Values(
        FunctionsRow{"CoilsRead", ModiconClass::Coils, CommandDirection::Read, ", ", "01"},
        FunctionsRow{"CoilsWrite", ModiconClass::Coils, CommandDirection::Write, ", ", "05, 15"},
        FunctionsRow{"OwnSeparator", ModiconClass::HoldingRegisters, CommandDirection::Write, "/",
                     "06/16"},
        FunctionsRow{"InputsRead", ModiconClass::DiscreteInputs, CommandDirection::Read, ", ",
                     "02"},
        FunctionsRow{"InputsWriteNone", ModiconClass::DiscreteInputs, CommandDirection::Write, ", ",
                     ""},
        FunctionsRow{"InputRegistersWriteNone", ModiconClass::InputRegisters,
                     CommandDirection::Write, ",", ""},
        FunctionsRow{"HoldingRead", ModiconClass::HoldingRegisters, CommandDirection::Read, ", ",
                     "03"},
        FunctionsRow{"NoTableIsListedAsEither", ModiconClass::HoldingRegisters,
                     CommandDirection::Either, ", ", ""}),
    [](const auto &info) { return std::string(info.param.name); });

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
    [](const auto &info) { return std::string(info.param.name); });

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
    [](const auto &info) { return std::string(info.param.name); });

// A range names its numbers in the same words as the table, start and end.
TEST(DetailsLine, OfARangeIsTheLineOfItsTableStartAndEnd)
{
    EXPECT_EQ(detailsLine(ModiconRange{ModiconClass::Coils, 5, 5}),
              "coils (0X): offset 4 (0x0004), 6-digit 000005; read with 01, write with 05, 15");
    EXPECT_EQ(detailsLine(ModiconRange{ModiconClass::HoldingRegisters, 41234, std::nullopt}),
              "holding registers (4X): start 41234, offset 1233 (0x04D1), 6-digit 401234; read "
              "with 03, write with 06, 16");
}

struct RequestRow {
    const char *name;
    std::string_view command;
    std::string_view registerText;
    std::optional<ModiconClass> table; // nullopt: no range
    std::int32_t start;
};

class RequestRange : public testing::TestWithParam<RequestRow> {};

TEST_P(RequestRange, StartsAtTheRegisterInTheCommandsTable)
{
    const RequestRow &row = GetParam();
    const auto range = requestRange(row.command, row.registerText);
    ASSERT_EQ(range.has_value(), row.table.has_value());
    if (range) {
        EXPECT_EQ(range->table, *row.table);
        EXPECT_EQ(range->start, row.start);
        EXPECT_FALSE(range->end.has_value());
    }
}

// The register is read as the master translation reads it: whole text, 16
// bits, halves to even.
INSTANTIATE_TEST_SUITE_P(
    Commands, RequestRange,
    testing::Values(
        RequestRow{"HoldingRegisters", " 03 - Read Holding Registers  (4X)", "1234",
                   ModiconClass::HoldingRegisters, 41234},
        RequestRow{"Coils", " 01 - Read Coil Status  (0X)", "5", ModiconClass::Coils, 5},
        RequestRow{"ForceSingleCoilWritesCoils", " 05 - Force Single Coil  (0X)", "9999",
                   ModiconClass::Coils, 9999},
        RequestRow{"InputsWithBlanks", " 02 - Read Input Status  (1X)", " 12 ",
                   ModiconClass::DiscreteInputs, 10012},
        RequestRow{"InputRegistersHalfToEven", " 04 - Read Input Registers  (3X)", "2.5",
                   ModiconClass::InputRegisters, 30002},
        RequestRow{"DiagnosticsHasNoTable", " 08 - Diagnostics", "1", std::nullopt, 0},
        RequestRow{"TypedTextIsNoCommand", "03", "1", std::nullopt, 0},
        RequestRow{"EmptyRegister", " 16 - Pre-set Multiple Registers  (4X)", "", std::nullopt, 0},
        RequestRow{"RegisterBeyondSixteenBits", " 06 - Pre-set Single Register  (4X)", "70000",
                   std::nullopt, 0}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
