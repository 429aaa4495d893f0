// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/modiconclass.h"

#include <cstdint>
#include <optional>
#include <string>

// How the Modbus protocol, and the 6-digit convention, name a Modicon number:
// the protocol carries a 0-based 16-bit offset into the table, and 6-digit
// references write that offset plus one behind the class digit.
namespace Corvane::Modbus {

// The 1-based Modicon number `number` of a table as the protocol and the
// 6-digit convention see it. 40010 in holding registers -> offset 9, "0x0009",
// "400010". A number whose offset lies outside 0 to 65535 has neither.
struct ProtocolAddress {
    std::optional<std::int32_t> offset;
    std::string offsetHex;
    std::string reference6;
};
ProtocolAddress protocolAddress(std::int32_t number, ModiconClass table);

// The Modicon number of a start register or coil typed for a command that
// reads or writes `table`. (HoldingRegisters, 1234) -> 41234; (Coils, 5) -> 5.
std::int32_t modiconNumber(ModiconClass table, std::int32_t registerNumber);

} // namespace Corvane::Modbus
