// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/modiconclass.h"
#include "master/commands.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The engineering details of an answer, as a line for people: the Modbus
// table, the protocol's 0-based offsets, the 6-digit references and the
// function codes that read and write the table.
namespace Corvane::Master {

// The function numbers that read, or write, a table, joined by `separator`.
// (Coils, Write, ", ") -> "05, 15"; (InputRegisters, Write, ",") -> "".
std::string functionNumbers(Modbus::ModiconClass table, CommandDirection direction,
                            std::string_view separator);

// (HoldingRegisters, 40001, 40010) -> "holding registers (4X): offsets 0-9
// (0x0000-0x0009), 6-digit 400001-400010; read with 03, write with 06, 16";
// with no end, a single start: "holding registers (4X): start 41234, offset
// 1233 (0x04D1), 6-digit 401234; ...".
std::string detailsLine(Modbus::ModiconClass table, std::int32_t start,
                        std::optional<std::int32_t> end);
std::string detailsLine(const Modbus::ModiconRange &range);

// Where a request starts: the table of its command, at the register as the
// master translation reads it; none for diagnostics, for a text that is no
// command and for a register that does not read.
// (" 03 - Read Holding Registers  (4X)", "1234") -> {HoldingRegisters, 41234}
std::optional<Modbus::ModiconRange> requestRange(std::string_view command,
                                                 std::string_view registerText);

} // namespace Corvane::Master
