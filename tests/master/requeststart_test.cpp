// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// The function codes that read and write each table, and where a request
// starts in the table of its command.
#include "master/commands.h"
#include "master/mastertranslation.h"
#include "tests/support/rowname.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using Corvane::Master::CommandDirection;
using Corvane::Master::functionNumbers;
using Corvane::Master::requestRange;
using Corvane::Modbus::ModiconClass;

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
    Corvane::Testing::RowName{});

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
    Corvane::Testing::RowName{});

} // namespace
