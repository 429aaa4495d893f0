#include "app/rules/prompts.h"

#include <algorithm>
#include <array>

namespace Corvane::Subs {

namespace {

constexpr auto kMessageTypes = std::to_array<std::string_view>({kReadMessage, kWriteMessage});

// The command lists are the commands of the one command table listed under
// each message type, in function code order.
template <Master::CommandDirection direction> constexpr auto commandTextsListedAs()
{
    std::array<std::string_view, 4> texts{};
    std::size_t next = 0;
    for (const Master::ModbusCommand &command : Master::kModbusCommands) {
        if (command.direction == direction)
            texts.at(next++) = command.text;
    }
    return texts;
}

constexpr auto kReadCommands = commandTextsListedAs<Master::CommandDirection::Read>();
constexpr auto kWriteCommands = commandTextsListedAs<Master::CommandDirection::Write>();

constexpr auto kReadSubfunctions = std::to_array<std::string_view>({
    " 00 - Return Data Query",
    " 02 - Return Diagnostic Register",
    " 11 - Return Bus Message Count",
    " 12 - Return Bus Communication Error Count",
    " 13 - Return Bus Exception Error Count",
    " 14 - Return Slave Message Count",
    " 15 - Return Slave No Response Count",
    " 16 - Return Slave NAK Count",
    " 17 - Return Slave Busy Count",
    " 18 - Return Bus Character Overrun Count",
    " 19 - Return IOP Overrun Count",
});

constexpr auto kWriteSubfunctions = std::to_array<std::string_view>({
    " 01 - Restart Communications",
    " 03 - Change ASCII Input Delimiter",
    " 04 - Force Listen Mode",
    " 10 - Clear Counters and Diagnostic Registers",
    " 20 - Clear Overrn Counter and Flag",
});

constexpr std::string_view kStartCoil = "Start Coil";
constexpr std::string_view kStartRegister = "Start Register";

constexpr std::string_view kWordRangeHint = "(1-9999)";

} // namespace

MessageType messageTypeOf(std::string_view text)
{
    if (text == kReadMessage)
        return MessageType::Read;
    if (text == kWriteMessage)
        return MessageType::Write;
    return MessageType::Other;
}

std::span<const std::string_view> messageTypeEntries() { return kMessageTypes; }

std::span<const std::string_view> commandEntries(MessageType type)
{
    switch (type) {
    case MessageType::Read:
        return kReadCommands;
    case MessageType::Write:
        return kWriteCommands;
    case MessageType::Other:
        break;
    }
    return {};
}

std::string_view defaultCommand(MessageType type)
{
    const auto entries = commandEntries(type);
    return entries.empty() ? std::string_view{} : entries.front();
}

std::span<const std::string_view> subfunctionEntries(MessageType type)
{
    switch (type) {
    case MessageType::Read:
        return kReadSubfunctions;
    case MessageType::Write:
        return kWriteSubfunctions;
    case MessageType::Other:
        break;
    }
    return {};
}

std::string_view defaultSubfunction(MessageType type)
{
    const auto entries = subfunctionEntries(type);
    return entries.empty() ? std::string_view{} : entries.front();
}

bool isStandardCommand(std::string_view command)
{
    return std::ranges::find(kReadCommands, command) != kReadCommands.end() ||
           std::ranges::find(kWriteCommands, command) != kWriteCommands.end();
}

std::optional<CommandListChange> commandListChange(std::string_view messageType,
                                                   std::string_view command)
{
    const MessageType type = messageTypeOf(messageType);
    if (type == MessageType::Other)
        return std::nullopt;
    // A typed diagnostics command survives the change of message type; any other
    // text gives way to the new type's first command.
    const bool diagnostics = command == kDiagnosticsCommand;
    return CommandListChange{commandEntries(type),
                             diagnostics ? kDiagnosticsCommand : defaultCommand(type), diagnostics};
}

std::optional<std::string_view> registerCaption(std::string_view command)
{
    const Master::ModbusCommand *known = Master::commandWithText(command);
    if (!known)
        return std::nullopt;
    // Coils and discrete inputs are addressed by coil; the register tables and
    // diagnostics by register.
    const bool coils =
        known->table == ModiconClass::Coils || known->table == ModiconClass::DiscreteInputs;
    return coils ? kStartCoil : kStartRegister;
}

RangeHints rangeHints(Master::PlcType plc, Master::AddressFormat format,
                      std::string_view messageType)
{
    using Master::AddressFormat;
    if (plc == Master::PlcType::Plc5) {
        // Under PLC-5 the format alone decides; the message type plays no part.
        switch (format) {
        case AddressFormat::XYY:
            return {kWordRangeHint, "(1-99)"};
        case AddressFormat::XYZ:
            return {kWordRangeHint, "(1-9)"};
        case AddressFormat::YXZ:
            return {"(1-255, 1000-1255, 2000-2255, 3000-3255, etc.)", "(1-3)"};
        }
        return {};
    }
    // Under PLC-3 only a write may go to the broadcast address 0.
    switch (messageTypeOf(messageType)) {
    case MessageType::Read:
        return {kWordRangeHint, "(1-255)"};
    case MessageType::Write:
        return {kWordRangeHint, "(0-255)"};
    case MessageType::Other:
        break;
    }
    return {kWordRangeHint, std::nullopt};
}

} // namespace Corvane::Subs
