// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "core/protocoladdress.h"

#include <string_view>

namespace Corvane::Modbus {
namespace {

// Modbus addresses a table with a 16-bit offset.
constexpr std::int64_t kLastOffset = 65535;

} // namespace

ProtocolAddress protocolAddress(std::int32_t number, ModiconClass table)
{
    const ModiconClassInfo &info = modiconClassInfo(table);
    const std::int64_t offset = std::int64_t{number} - info.first;
    ProtocolAddress address;
    if (offset < 0 || offset > kLastOffset)
        return address;
    address.offset = static_cast<std::int32_t>(offset);
    // Written by hand rather than with printf, which dominates a large batch.
    static constexpr std::string_view kHexDigits = "0123456789ABCDEF";
    address.offsetHex = "0x0000";
    for (std::size_t i = 0; i < 4; ++i)
        address.offsetHex[5 - i] = kHexDigits[(offset >> (4 * i)) & 0xF];
    address.reference6 = "000000";
    address.reference6[0] = info.reference.front();
    for (std::int64_t i = 0, rest = offset + 1; i < 5; ++i, rest /= 10)
        address.reference6[5 - static_cast<std::size_t>(i)] = static_cast<char>('0' + rest % 10);
    return address;
}

std::int32_t modiconNumber(ModiconClass table, std::int32_t registerNumber)
{
    return modiconClassInfo(table).first - 1 + registerNumber;
}

} // namespace Corvane::Modbus
