#include "master/commands.h"

namespace Corvane::Master {

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

TableCommands commandsFor(ModiconClass table, CommandDirection direction)
{
    TableCommands found;
    for (const ModbusCommand &command : kModbusCommands) {
        if (command.table == table && command.direction == direction)
            found.commands[found.count++] = &command;
    }
    return found;
}

std::string_view defaultMessageType(std::string_view command)
{
    const ModbusCommand *known = commandWithText(command);
    return known && known->direction == CommandDirection::Write ? kWriteMessageType
                                                                : kReadMessageType;
}

} // namespace Corvane::Master
