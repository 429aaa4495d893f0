// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/modiconclass.h"
#include "core/protocoladdress.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The engineering details of an answer: the Modbus table its Modicon numbers
// lie in, how the protocol and the 6-digit convention name them, and the
// function codes that read and write the table. Worked out here once, for
// every face and every way of writing an answer.
namespace Corvane::Answers {

// The function codes that read, or write, one table, in each form an answer
// writes them.
struct FunctionCodes {
    std::span<const std::int16_t> codes; // {6, 16}
    std::string_view listed;             // "06, 16": a line for people
    std::string_view cell;               // "\"06,16\"": one CSV cell, quoted as it needs
};

// tableFunctions(HoldingRegisters).write.listed -> "06, 16";
// tableFunctions(InputRegisters).write.codes -> {}
struct TableFunctions {
    FunctionCodes read;
    FunctionCodes write;
};
const TableFunctions &tableFunctions(Modbus::ModiconClass table);

// One Modicon number and the protocol's name for it.
struct Endpoint {
    std::int32_t number = 0;
    Modbus::ProtocolAddress protocol; // offset, "0x0009", "400010"; none beyond the protocol
};

// The details of a range, or of a request's start, which has no end.
// (HoldingRegisters, 40001, 40010) -> holding registers (4X), 40001 at offset 0
// ("0x0000", "400001") to 40010 at offset 9, read with {3}, write with {6, 16}.
struct Details {
    explicit Details(const Modbus::ModiconRange &range);

    const Modbus::ModiconClassInfo *table = nullptr; // "holding registers", "4X"
    Endpoint start;
    std::optional<Endpoint> end;
    const TableFunctions *functions = nullptr;
};

// The details as one line for people.
// 40001-40010 -> "holding registers (4X): offsets 0-9 (0x0000-0x0009), 6-digit
// 400001-400010; read with 03, write with 06, 16"; with no end, a single start:
// "holding registers (4X): start 41234, offset 1233 (0x04D1), 6-digit 401234; ...".
std::string detailsLine(const Details &details);

} // namespace Corvane::Answers
