// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/request.h"

#include "core/characters.h"
#include "core/wording.h"
#include "master/addressingscheme.h"
#include "master/commands.h"
#include "master/subfunctions.h"

#include <algorithm>
#include <array>
#include <span>

namespace Corvane::Answers {
namespace {

using namespace std::string_view_literals;

// The window starts with the message type " Read", and so with its first
// command and subfunction.
constexpr Master::MessageType kStartMessageType = Master::MessageType::Read;

// A message quotes at most this many characters of a user's text.
constexpr std::size_t kLongestQuote = 80;

constexpr std::array kSlaveFields{"address"sv, "start"sv, "count"sv};
constexpr std::array kMasterFields{"plc"sv,         "format"sv,   "message_type"sv, "command"sv,
                                   "subfunction"sv, "register"sv, "slave"sv};

bool isBareNumber(std::string_view text)
{
    return !text.empty() && text.size() <= 2 &&
           std::all_of(text.begin(), text.end(), Text::isDigit);
}

bool listed(std::span<const std::string_view> names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// " 03 - Read " -> "03 - Read"
std::string_view withoutOuterBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

} // namespace

std::string escapedText(std::string_view text)
{
    static constexpr std::string_view kHexDigits = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            out += "\\x";
            out += kHexDigits[byte >> 4];
            out += kHexDigits[byte & 0xF];
        }
    }
    return out;
}

std::string foldedName(std::string_view text)
{
    std::string name(withoutOuterBlanks(text));
    std::transform(name.begin(), name.end(), name.begin(), Text::toLower);
    return name;
}

const Master::ModbusCommand *commandNamed(std::string_view text)
{
    const std::string_view named = withoutOuterBlanks(text);
    if (isBareNumber(named))
        return Master::commandWithNumber(named);
    for (const Master::ModbusCommand &command : Master::modbusCommands()) {
        if (!named.empty() && withoutOuterBlanks(command.text) == named)
            return &command;
    }
    return nullptr;
}

std::string quotedText(std::string_view text)
{
    // Characters are counted by their first byte, so a cut never splits one.
    std::size_t characters = 0;
    std::size_t cut = 0;
    for (; cut < text.size(); ++cut) {
        const bool continuation = (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80;
        if (!continuation && characters++ == kLongestQuote)
            break;
    }
    std::string out;
    out.reserve(cut + 5);
    out += '"';
    out += escapedText(text.substr(0, cut));
    out += '"';
    if (cut < text.size())
        out += "...";
    return out;
}

std::string badPlcMessage(std::string_view name)
{
    return "plc must be " + Master::plcNumberList() + ", not " + quotedText(name);
}

std::string badFormatMessage(std::string_view name)
{
    return "format must be " + Master::formatNameList() + ", not " + quotedText(name);
}

Master::MasterWindowState verbatimState(const MasterTexts &texts)
{
    Master::MasterWindowState state;
    state.plc = Master::plcTypeNamed(texts.plc.value_or("")).value_or(Master::PlcType::Plc5);
    state.format =
        Master::formatNamed(texts.format.value_or("")).value_or(Master::AddressFormat::XYY);
    state.messageType = texts.messageType.value_or("");
    state.command = texts.command.value_or("");
    state.subfunction = texts.subfunction.value_or("");
    state.registerText = texts.registerText;
    state.slaveAddressText = texts.slave;
    return state;
}

std::variant<Master::MasterWindowState, RequestError> resolveMaster(const MasterTexts &texts)
{
    if (texts.plc && !Master::plcTypeNamed(*texts.plc))
        return RequestError{badPlcMessage(*texts.plc)};
    if (texts.format && !Master::formatNamed(*texts.format))
        return RequestError{badFormatMessage(*texts.format)};
    Master::MasterWindowState state = verbatimState(texts);

    if (!texts.command) {
        state.command = Master::defaultCommand(kStartMessageType);
    } else {
        // A text that names no command would compose an address that no
        // request maps to.
        const Master::ModbusCommand *command = commandNamed(*texts.command);
        if (!command)
            return RequestError{"command " + quotedText(*texts.command) +
                                    " is no Modbus command: use " +
                                    Text::joinedList(Master::commandNumberGroups(" to "), "or") +
                                    ", or the command's full text",
                                true};
        state.command = command->text;
    }

    if (!texts.messageType) {
        state.messageType = Master::defaultMessageType(state.command);
    } else {
        // "read", "Read", " Read" and "READ" all name the entry " Read".
        const std::string named = foldedName(*texts.messageType);
        if (named == "read")
            state.messageType = Master::kReadMessageType;
        else if (named == "write")
            state.messageType = Master::kWriteMessageType;
        else
            return RequestError{"message type " + quotedText(*texts.messageType) +
                                    " is none: use read or write, or the entry's full text",
                                true};
        // A read under the message type Write escapes the rule that keeps
        // reads from the broadcast address, and asks for a request that no
        // PLC message describes. A write under Read is the rules' to judge.
        const Master::ModbusCommand *command = Master::commandWithText(state.command);
        if (command->direction == Master::CommandDirection::Read &&
            state.messageType == Master::kWriteMessageType)
            return RequestError{"command " + quotedText(withoutOuterBlanks(state.command)) +
                                    " reads: its message type is read, not write",
                                true};
    }

    if (!texts.subfunction)
        state.subfunction = Master::defaultSubfunction(kStartMessageType);
    return state;
}

bool isRequestField(std::string_view name)
{
    return name == "mode" || listed(kSlaveFields, name) || listed(kMasterFields, name);
}

std::variant<Request, RequestError> requestFromFields(std::span<const NamedField> fields,
                                                      bool strict)
{
    const auto find = [&fields](std::string_view name) -> const std::string_view * {
        for (const NamedField &field : fields) {
            if (field.name == name)
                return &field.value;
        }
        return nullptr;
    };
    const auto text = [&find](std::string_view name) {
        const std::string_view *value = find(name);
        return value ? std::string(*value) : std::string();
    };
    const auto optionalText = [&find](std::string_view name) -> std::optional<std::string> {
        const std::string_view *value = find(name);
        return value ? std::optional<std::string>(*value) : std::nullopt;
    };

    const std::string_view *mode = find("mode");
    if (!mode)
        return RequestError{"no mode: give \"mode\" as \"slave\" or \"master\""};
    if (strict && (*mode == "slave" || *mode == "master")) {
        const std::span<const std::string_view> own =
            *mode == "slave" ? std::span<const std::string_view>(kSlaveFields)
                             : std::span<const std::string_view>(kMasterFields);
        for (const NamedField &field : fields) {
            if (field.name == "mode" || listed(own, field.name))
                continue;
            if (isRequestField(field.name))
                return RequestError{"field " + quotedText(field.name) + " does not belong to a " +
                                    std::string(*mode) + " request"};
            return RequestError{"unknown field " + quotedText(field.name)};
        }
    }
    if (*mode == "slave")
        return Request{SlaveTexts{text("address"), text("start"), text("count")}};
    if (*mode == "master") {
        MasterTexts master;
        master.plc = optionalText("plc");
        master.format = optionalText("format");
        master.messageType = optionalText("message_type");
        master.command = optionalText("command");
        master.subfunction = optionalText("subfunction");
        master.registerText = text("register");
        master.slave = text("slave");
        return Request{master};
    }
    return RequestError{"mode must be \"slave\" or \"master\", not " + quotedText(*mode)};
}

} // namespace Corvane::Answers
