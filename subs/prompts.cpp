// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "subs/prompts.h"

#include "master/commands.h"
#include "master/messagetype.h"

namespace Corvane::Subs {
namespace {

constexpr std::string_view kStartCoil = "Start Coil";
constexpr std::string_view kStartRegister = "Start Register";

} // namespace

std::optional<CommandListChange> commandListChange(std::string_view messageType,
                                                   std::string_view command)
{
    const Master::MessageType type = Master::messageTypeOf(messageType);
    if (type == Master::MessageType::Other)
        return std::nullopt;
    // A typed diagnostics command survives the change of message type; any other
    // text gives way to the new type's first command.
    const bool diagnostics = command == Master::kDiagnosticsCommand;
    return CommandListChange{
        Master::commandTexts(type),
        diagnostics ? Master::kDiagnosticsCommand : Master::defaultCommand(type), diagnostics};
}

std::optional<std::string_view> registerCaption(std::string_view command)
{
    const Master::ModbusCommand *known = Master::commandWithText(command);
    if (!known)
        return std::nullopt;
    // Coils and discrete inputs are addressed by coil; the register tables and
    // diagnostics by register.
    const bool coils = known->table && Modbus::modiconClassInfo(*known->table).bitAddressed;
    return coils ? kStartCoil : kStartRegister;
}

RangeHints rangeHints(Master::PlcType plc, Master::AddressFormat format,
                      std::string_view messageType)
{
    const Master::SchemeRow &row = Master::schemeRow({plc, format});
    switch (Master::messageTypeOf(messageType)) {
    case Master::MessageType::Read:
        return {row.registerHint, row.slaveHintRead};
    case Master::MessageType::Write:
        return {row.registerHint, row.slaveHintWrite};
    case Master::MessageType::Other:
        break;
    }
    if (row.slaveHintFollowsMessageType)
        return {row.registerHint, std::nullopt};
    return {row.registerHint, row.slaveHintRead};
}

} // namespace Corvane::Subs
