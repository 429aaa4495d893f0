// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "master/details.h"

#include "core/numberreading.h"
#include "core/protocoladdress.h"

namespace Corvane::Master {
namespace {

using Modbus::ProtocolAddress;

// "9 (0x0009)", or "none" beyond the protocol's offsets.
std::string offsetText(const ProtocolAddress &address)
{
    if (!address.offset)
        return "none";
    return std::to_string(*address.offset) + " (" + address.offsetHex + ")";
}

std::string referenceText(const ProtocolAddress &address)
{
    return address.reference6.empty() ? std::string("none") : address.reference6;
}

std::string functionsSentence(Modbus::ModiconClass table)
{
    std::string text = "read with " + functionNumbers(table, CommandDirection::Read, ", ");
    const std::string writes = functionNumbers(table, CommandDirection::Write, ", ");
    if (writes.empty())
        return text + ", no write function";
    return text + ", write with " + writes;
}

} // namespace

std::string functionNumbers(Modbus::ModiconClass table, CommandDirection direction,
                            std::string_view separator)
{
    std::string text;
    for (const ModbusCommand *command : commandsFor(table, direction)) {
        if (!text.empty())
            text += separator;
        text += command->number;
    }
    return text;
}

std::string detailsLine(Modbus::ModiconClass table, std::int32_t start,
                        std::optional<std::int32_t> end)
{
    const Modbus::ModiconClassInfo &info = Modbus::modiconClassInfo(table);
    std::string line = std::string(info.table) + " (" + std::string(info.reference) + "): ";
    const ProtocolAddress first = Modbus::protocolAddress(start, table);
    if (!end) {
        line += "start " + std::to_string(start) + ", offset " + offsetText(first) + ", 6-digit " +
                referenceText(first);
    } else if (*end == start) {
        line += "offset " + offsetText(first) + ", 6-digit " + referenceText(first);
    } else {
        const ProtocolAddress last = Modbus::protocolAddress(*end, table);
        if (first.offset && last.offset) {
            line += "offsets " + std::to_string(*first.offset) + "-" +
                    std::to_string(*last.offset) + " (" + first.offsetHex + "-" + last.offsetHex +
                    "), 6-digit " + first.reference6 + "-" + last.reference6;
        } else {
            line += "offsets " + offsetText(first) + " to " + offsetText(last) + ", 6-digit " +
                    referenceText(first) + " to " + referenceText(last);
        }
    }
    return line + "; " + functionsSentence(table);
}

std::string detailsLine(const Modbus::ModiconRange &range)
{
    return detailsLine(range.table, range.start, range.end);
}

std::optional<Modbus::ModiconRange> requestRange(std::string_view command,
                                                 std::string_view registerText)
{
    const ModbusCommand *known = commandWithText(command);
    const auto registerNumber = NumberReading::wholeText16(registerText);
    if (!known || !known->table || !registerNumber)
        return std::nullopt;
    return Modbus::ModiconRange{
        *known->table, Modbus::modiconNumber(*known->table, *registerNumber), std::nullopt};
}

} // namespace Corvane::Master
