// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "cli/request.h"

#include "core/characters.h"
#include "core/wording.h"
#include "master/addressingscheme.h"
#include "master/commands.h"
#include "master/subfunctions.h"

#include <algorithm>
#include <array>
#include <span>

namespace Corvane::Cli {
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

} // namespace

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
    out += text.substr(0, cut);
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

Master::MasterWindowState MasterSettings::windowState() const
{
    Master::MasterWindowState state;
    state.plc = plc;
    state.format = format;
    state.messageType = messageType;
    state.command = command;
    state.subfunction = subfunction;
    state.registerText = registerText;
    state.slaveAddressText = slave;
    return state;
}

std::variant<MasterSettings, RequestError> resolveMaster(const MasterTexts &texts)
{
    MasterSettings settings;
    if (texts.plc) {
        const auto plc = Master::plcTypeNamed(*texts.plc);
        if (!plc)
            return RequestError{badPlcMessage(*texts.plc)};
        settings.plc = *plc;
    }
    if (texts.format) {
        const auto format = Master::formatNamed(*texts.format);
        if (!format)
            return RequestError{badFormatMessage(*texts.format)};
        settings.format = *format;
    }

    settings.command =
        texts.command.value_or(std::string(Master::defaultCommand(kStartMessageType)));
    // A bare number is a shortcut, never a text the lists hold, so an unknown
    // one is a mistake rather than a command to compose with an empty code.
    if (isBareNumber(settings.command)) {
        const Master::ModbusCommand *command = Master::commandWithNumber(settings.command);
        if (!command)
            return RequestError{"command " + quotedText(settings.command) +
                                " is no Modbus command: use " +
                                Text::joinedList(Master::commandNumberGroups(" to "), "or") +
                                ", or the command's full text"};
        settings.command = std::string(command->text);
    }

    if (!texts.messageType)
        settings.messageType = std::string(Master::defaultMessageType(settings.command));
    else if (*texts.messageType == "read")
        settings.messageType = std::string(Master::kReadMessageType);
    else if (*texts.messageType == "write")
        settings.messageType = std::string(Master::kWriteMessageType);
    else
        settings.messageType = *texts.messageType;

    settings.subfunction =
        texts.subfunction.value_or(std::string(Master::defaultSubfunction(kStartMessageType)));
    settings.registerText = texts.registerText;
    settings.slave = texts.slave;
    return settings;
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

} // namespace Corvane::Cli
