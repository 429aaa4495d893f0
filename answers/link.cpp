// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/link.h"

#include "master/commands.h"
#include "master/messagetype.h"
#include "master/subfunctions.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace Corvane::Answers {
namespace {

constexpr std::string_view kVersion = "1";
constexpr char kLiteral = '\''; // before a text that is no entry of its box

// The bytes that stay as typed: what a fragment holds without ambiguity,
// "&", "=", "#" and "%" aside.
bool staysAsTyped(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return std::string_view("-._~:/@!$'()*+,;?").find(static_cast<char>(c)) !=
           std::string_view::npos;
}

std::string encoded(std::string_view text)
{
    static constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (staysAsTyped(byte)) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::string> decoded(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;
        const int high = hexValue(text[i + 1]);
        const int low = hexValue(text[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

// The two-digit number that names an entry: " 03 - Read ..." -> "03".
std::string_view entryNumber(std::string_view entry) { return entry.substr(1, 2); }

// A box's text as a link writes it: its entry's short name, or the text
// itself after an apostrophe.
std::string boxText(std::string_view text, std::span<const std::string_view> entries,
                    std::string_view (*shortName)(std::string_view))
{
    for (const std::string_view entry : entries) {
        if (entry == text)
            return std::string(shortName(entry));
    }
    return kLiteral + std::string(text);
}

// The box's text a link's value names; none for a short name of no entry.
std::optional<std::string> boxTextOf(std::string_view value,
                                     std::span<const std::string_view> entries,
                                     std::string_view (*shortName)(std::string_view))
{
    if (value.starts_with(kLiteral))
        return std::string(value.substr(1));
    for (const std::string_view entry : entries) {
        if (shortName(entry) == value)
            return std::string(entry);
    }
    return std::nullopt;
}

std::string_view messageTypeName(std::string_view entry)
{
    return entry == Master::kReadMessageType ? "read" : "write";
}

std::vector<std::string_view> commandEntries()
{
    std::vector<std::string_view> entries;
    for (const Master::ModbusCommand &command : Master::modbusCommands())
        entries.push_back(command.text);
    return entries;
}

std::vector<std::string_view> subfunctionEntries()
{
    std::vector<std::string_view> entries;
    for (const Master::MessageType type : {Master::MessageType::Read, Master::MessageType::Write}) {
        for (const std::string_view entry : Master::subfunctionTexts(type))
            entries.push_back(entry);
    }
    return entries;
}

} // namespace

std::string linkFragment(const WindowLink &link)
{
    std::string fragment = "v=" + std::string(kVersion) + "&mode=";
    const auto add = [&fragment](std::string_view key, std::string_view value) {
        fragment += '&';
        fragment += key;
        fragment += '=';
        fragment += encoded(value);
    };
    if (!link.master) {
        fragment += "slave";
        add("address", link.address);
        add("start", link.start);
        add("count", link.count);
        return fragment;
    }
    const Master::MasterWindowState &state = link.state;
    fragment += "master";
    add("plc", Master::plcTypeRow(state.plc).number);
    add("format", Master::schemeName({Master::PlcType::Plc5, state.format}));
    add("type", boxText(state.messageType, Master::messageTypeTexts(), messageTypeName));
    add("command", boxText(state.command, commandEntries(), entryNumber));
    add("sub", boxText(state.subfunction, subfunctionEntries(), entryNumber));
    add("register", state.registerText);
    add("slave", state.slaveAddressText);
    return fragment;
}

std::optional<WindowLink> readLinkFragment(std::string_view fragment)
{
    if (fragment.starts_with('#'))
        fragment.remove_prefix(1);
    // key=value pairs, each key once, in any order.
    std::vector<std::pair<std::string_view, std::string>> pairs;
    while (!fragment.empty()) {
        const std::size_t end = std::min(fragment.find('&'), fragment.size());
        const std::string_view pair = fragment.substr(0, end);
        fragment.remove_prefix(std::min(end + 1, fragment.size()));
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos)
            return std::nullopt;
        auto value = decoded(pair.substr(equals + 1));
        if (!value)
            return std::nullopt;
        for (const auto &[key, ignored] : pairs) {
            if (key == pair.substr(0, equals))
                return std::nullopt;
        }
        pairs.emplace_back(pair.substr(0, equals), std::move(*value));
    }
    const auto find = [&pairs](std::string_view key) -> const std::string * {
        for (const auto &[name, value] : pairs) {
            if (name == key)
                return &value;
        }
        return nullptr;
    };
    const std::string *version = find("v");
    const std::string *mode = find("mode");
    if (!version || *version != kVersion || !mode || (*mode != "slave" && *mode != "master"))
        return std::nullopt;

    WindowLink link;
    link.master = *mode == "master";
    const std::vector<std::string_view> keys =
        link.master ? std::vector<std::string_view>{"v",       "mode", "plc",      "format", "type",
                                                    "command", "sub",  "register", "slave"}
                    : std::vector<std::string_view>{"v", "mode", "address", "start", "count"};
    for (const auto &[name, value] : pairs) {
        if (std::find(keys.begin(), keys.end(), name) == keys.end())
            return std::nullopt;
    }
    const auto text = [&find](std::string_view key) {
        const std::string *value = find(key);
        return value ? *value : std::string();
    };
    if (!link.master) {
        link.address = text("address");
        link.start = text("start");
        link.count = text("count");
        return link;
    }
    Master::MasterWindowState &state = link.state;
    const auto plc = Master::plcTypeNamed(text("plc"));
    const auto format = Master::formatNamed(text("format"));
    const auto type = boxTextOf(text("type"), Master::messageTypeTexts(), messageTypeName);
    const std::vector<std::string_view> commands = commandEntries();
    const auto command = boxTextOf(text("command"), commands, entryNumber);
    const std::vector<std::string_view> subfunctions = subfunctionEntries();
    const auto subfunction = boxTextOf(text("sub"), subfunctions, entryNumber);
    if (!plc || !format || !type || !command || !subfunction)
        return std::nullopt;
    state.plc = *plc;
    state.format = *format;
    state.messageType = *type;
    state.command = *command;
    state.subfunction = *subfunction;
    state.registerText = text("register");
    state.slaveAddressText = text("slave");
    return link;
}

WindowLink requestLink(const Request &request)
{
    if (const auto *slave = std::get_if<SlaveTexts>(&request))
        return {false, slave->address, slave->start, slave->count, {}};
    const auto &texts = std::get<MasterTexts>(request);
    auto resolved = resolveMaster(texts);
    if (auto *state = std::get_if<Master::MasterWindowState>(&resolved))
        return {true, {}, {}, {}, std::move(*state)};
    return {true, {}, {}, {}, verbatimState(texts)};
}

} // namespace Corvane::Answers
