// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "master/commands.h"

#include <algorithm>

namespace Corvane::Master {
namespace {

// The command lists are the commands of the table listed under each message
// type, in function code order.
template <CommandDirection direction> constexpr auto commandTextsListedAs()
{
    std::array<std::string_view, kCommandsPerList> texts{};
    std::size_t next = 0;
    for (const ModbusCommand &command : kModbusCommands) {
        if (command.direction == direction)
            texts.at(next++) = command.text;
    }
    return texts;
}

constexpr auto kReadCommands = commandTextsListedAs<CommandDirection::Read>();
constexpr auto kWriteCommands = commandTextsListedAs<CommandDirection::Write>();

} // namespace

std::span<const ModbusCommand> modbusCommands() { return kModbusCommands; }

const ModbusCommand *commandWithText(std::string_view text)
{
    for (const ModbusCommand &command : kModbusCommands) {
        if (command.text == text)
            return &command;
    }
    return nullptr;
}

const ModbusCommand *commandWithNumber(std::string_view number)
{
    for (const ModbusCommand &command : kModbusCommands) {
        if (command.number == number ||
            (number.size() == 1 && command.number[0] == '0' && command.number[1] == number[0]))
            return &command;
    }
    return nullptr;
}

std::vector<std::string> commandNumberGroups(std::string_view through)
{
    std::vector<std::string> groups;
    for (std::size_t first = 0; first < kModbusCommands.size();) {
        std::size_t last = first;
        while (last + 1 < kModbusCommands.size() &&
               kModbusCommands[last + 1].functionCode == kModbusCommands[last].functionCode + 1)
            ++last;
        if (last - first >= 2) {
            groups.push_back(std::string(kModbusCommands[first].number) + std::string(through) +
                             std::string(kModbusCommands[last].number));
            first = last + 1;
        } else {
            groups.emplace_back(kModbusCommands[first].number);
            ++first;
        }
    }
    return groups;
}

TableCommands commandsFor(Modbus::ModiconClass table, CommandDirection direction)
{
    TableCommands found;
    for (const ModbusCommand &command : kModbusCommands) {
        if (command.table == table && command.direction == direction)
            found.commands[found.count++] = &command;
    }
    return found;
}

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

std::span<const std::string_view> commandTexts(MessageType type)
{
    return listOf(type, kReadCommands, kWriteCommands);
}

std::string_view defaultCommand(MessageType type) { return firstOf(commandTexts(type)); }

bool isStandardCommand(std::string_view command)
{
    return std::find(kReadCommands.begin(), kReadCommands.end(), command) != kReadCommands.end() ||
           std::find(kWriteCommands.begin(), kWriteCommands.end(), command) != kWriteCommands.end();
}

std::string_view defaultMessageType(std::string_view command)
{
    const ModbusCommand *known = commandWithText(command);
    return known && known->direction == CommandDirection::Write ? kWriteMessageType
                                                                : kReadMessageType;
}

} // namespace Corvane::Master
