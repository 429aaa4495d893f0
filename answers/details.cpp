// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/details.h"

#include "master/commands.h"

#include <array>
#include <vector>

namespace Corvane::Answers {
namespace {

using Master::CommandDirection;
using Modbus::ModiconClass;
using Modbus::ProtocolAddress;

// What FunctionCodes views, kept for the program's life.
struct FunctionTexts {
    std::vector<std::int16_t> codes;
    std::string listed;
    std::string cell;

    FunctionTexts(ModiconClass table, CommandDirection direction)
        : listed(Master::functionNumbers(table, direction, ", "))
    {
        for (const Master::ModbusCommand *command : Master::commandsFor(table, direction))
            codes.push_back(command->functionCode);
        // Two or more codes hold a comma, and a CSV cell then needs quotes.
        const std::string joined = Master::functionNumbers(table, direction, ",");
        cell = codes.size() > 1 ? "\"" + joined + "\"" : joined;
    }
    FunctionCodes view() const { return {codes, listed, cell}; }
};

struct TableTexts {
    FunctionTexts read;
    FunctionTexts write;
    TableFunctions functions{read.view(), write.view()};

    explicit TableTexts(ModiconClass table)
        : read(table, CommandDirection::Read), write(table, CommandDirection::Write)
    {
    }
    // `functions` views the texts of this very object.
    TableTexts(const TableTexts &) = delete;
    TableTexts &operator=(const TableTexts &) = delete;
};

Endpoint endpoint(std::int32_t number, ModiconClass table)
{
    return {number, Modbus::protocolAddress(number, table)};
}

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

std::string functionsSentence(const TableFunctions &functions)
{
    std::string text = "read with " + std::string(functions.read.listed);
    if (functions.write.listed.empty())
        return text + ", no write function";
    return text + ", write with " + std::string(functions.write.listed);
}

} // namespace

const TableFunctions &tableFunctions(ModiconClass table)
{
    static const std::array<TableTexts, 4> kTables{
        TableTexts(ModiconClass::Coils), TableTexts(ModiconClass::DiscreteInputs),
        TableTexts(ModiconClass::InputRegisters), TableTexts(ModiconClass::HoldingRegisters)};
    return kTables[static_cast<std::size_t>(table)].functions;
}

Details::Details(const Modbus::ModiconRange &range)
    : table(&Modbus::modiconClassInfo(range.table)), start(endpoint(range.start, range.table)),
      functions(&tableFunctions(range.table))
{
    if (range.end)
        end.emplace(endpoint(*range.end, range.table));
}

std::string detailsLine(const Details &details)
{
    std::string line =
        std::string(details.table->table) + " (" + std::string(details.table->reference) + "): ";
    const ProtocolAddress &first = details.start.protocol;
    if (!details.end) {
        line += "start " + std::to_string(details.start.number) + ", offset " + offsetText(first) +
                ", 6-digit " + referenceText(first);
    } else if (details.end->number == details.start.number) {
        line += "offset " + offsetText(first) + ", 6-digit " + referenceText(first);
    } else {
        const ProtocolAddress &last = details.end->protocol;
        if (first.offset && last.offset) {
            line += "offsets " + std::to_string(*first.offset) + "-" +
                    std::to_string(*last.offset) + " (" + first.offsetHex + "-" + last.offsetHex +
                    "), 6-digit " + first.reference6 + "-" + last.reference6;
        } else {
            line += "offsets " + offsetText(first) + " to " + offsetText(last) + ", 6-digit " +
                    referenceText(first) + " to " + referenceText(last);
        }
    }
    return line + "; " + functionsSentence(*details.functions);
}

} // namespace Corvane::Answers
