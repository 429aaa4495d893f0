// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// The whole master translation under every selection. The answer must agree
// with a separate reading of the validation table and of the address
// formulas, and a composed address must read back through the slave parser.
//
// Input: four selector characters, then "register\nslave address".
//   1st: PLC type and format, (c - '0') % 4: NXYY:Z, NXYZ:Z, NYXZ:Z, PLC-3
//   2nd: message type, (c - '0') % 4: " Read", " Write", "", "Read"
//   3rd: command, (c - '0') % 11: the nine commands 01 to 16, "", a near miss
//   4th: mode, (c - '0') % 2: Master, Slave
#include "core/numberreading.h"
#include "fuzzinput.h"
#include "master/mastertranslation.h"
#include "slave/datafileaddress.h"

#include <array>
#include <optional>
#include <string>

using namespace Corvane;
using Errors::ErrorState;

namespace {

struct CommandRow {
    std::string_view text;
    std::optional<int> digit; // the PLC-5 file code
    std::string_view letter;  // the PLC-3 file code
};

constexpr std::array<CommandRow, 11> kCommands{{
    {" 01 - Read Coil Status  (0X)", 0, "B"},
    {" 02 - Read Input Status  (1X)", 1, "F"},
    {" 03 - Read Holding Registers  (4X)", 4, "N"},
    {" 04 - Read Input Registers  (3X)", 3, "S"},
    {" 05 - Force Single Coil  (0X)", 1, "F"},
    {" 06 - Pre-set Single Register  (4X)", 4, "S"},
    {" 08 - Diagnostics", 8, "D"},
    {" 15 - Force Multiple Coils  (0X)", 0, "B"},
    {" 16 - Pre-set Multiple Registers  (4X)", 4, "N"},
    {"", std::nullopt, ""},
    {" 03 - Read Holding Registers (4X)", std::nullopt, ""},
}};

constexpr std::array<std::string_view, 4> kMessageTypes{" Read", " Write", "", "Read"};

unsigned selector(char c, unsigned choices)
{
    return static_cast<unsigned char>(c - '0') % choices;
}

bool within(int value, int low, int high) { return value >= low && value <= high; }

bool inRegisterSet(int registerNumber, int highest)
{
    return within(registerNumber, 1, highest) && registerNumber % 1000 <= 255;
}

// The validation table, read row by row; nullopt when every check passes.
std::optional<int> expectedCode(const Master::MasterWindowState &state, int slave, int reg)
{
    if (state.plc == Master::PlcType::Plc3) {
        if (slave == 0 && state.messageType == " Read")
            return 8;
        if (!within(reg, 1, 9999))
            return 0;
        if (!within(slave, 0, 255))
            return 7;
        return std::nullopt;
    }
    switch (state.format) {
    case Master::AddressFormat::XYY:
        if (!within(reg, 1, 9999))
            return 0;
        if (!within(slave, 1, 99))
            return 1;
        return std::nullopt;
    case Master::AddressFormat::XYZ:
        if (!within(reg, 1, 9999))
            return 2;
        if (!within(slave, 1, 9))
            return 3;
        return std::nullopt;
    case Master::AddressFormat::YXZ:
        if (slave == 3 && !inRegisterSet(reg, 5255))
            return 4;
        if (slave < 3 && !inRegisterSet(reg, 9255))
            return 5;
        if (!within(slave, 1, 3))
            return 6;
        return std::nullopt;
    }
    return std::nullopt;
}

// The word after ":" in NXYZ:Z and NYXZ:Z: the last three digits of a
// four-digit register, with their zeros, or the register itself.
std::string thousandsWord(int reg)
{
    const std::string digits = std::to_string(reg % 1000);
    return reg > 999 ? std::string(3 - digits.size(), '0') + digits : digits;
}

// The address the formulas give for a command of the table.
std::string expectedAddress(const Master::MasterWindowState &state, const CommandRow &command,
                            int slave, int reg)
{
    if (state.plc == Master::PlcType::Plc3)
        return std::string(command.letter) + std::to_string(slave) + ":" + std::to_string(reg);
    const int digit = *command.digit;
    switch (state.format) {
    case Master::AddressFormat::XYY:
        return "N" + std::to_string(100 * digit + slave) + ":" + std::to_string(reg);
    case Master::AddressFormat::XYZ:
        return "N" + std::to_string(100 * digit + 10 * slave + reg / 1000) + ":" +
               thousandsWord(reg);
    case Master::AddressFormat::YXZ:
        return "N" + std::to_string(100 * (slave - 1) + 10 * digit + reg / 1000) + ":" +
               thousandsWord(reg);
    }
    return {};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input = Fuzz::asText(data, size);
    if (input.size() < 4)
        return 0;
    std::string_view fieldsText = input.substr(4);
    const std::string_view slaveText = Fuzz::takeLastLine(fieldsText);
    const std::string_view registerText = fieldsText;

    const unsigned layout = selector(input[0], 4);
    const CommandRow &command = kCommands[selector(input[2], kCommands.size())];
    Master::MasterWindowState state;
    state.plc = layout == 3 ? Master::PlcType::Plc3 : Master::PlcType::Plc5;
    state.format = layout == 1   ? Master::AddressFormat::XYZ
                   : layout == 2 ? Master::AddressFormat::YXZ
                                 : Master::AddressFormat::XYY;
    state.messageType = kMessageTypes[selector(input[1], kMessageTypes.size())];
    state.command = command.text;
    state.subfunction = " 00 - Return Data Query";
    state.masterMode = selector(input[3], 2) == 0;
    state.registerText = registerText;
    state.slaveAddressText = slaveText;

    const Master::MasterAnswer answer = Master::TranslateMaster(state);

    const int reg = NumberReading::wholeText16(registerText).value_or(-1);
    const int slave = NumberReading::wholeText16(slaveText).value_or(-1);
    const std::optional<int> code = expectedCode(state, slave, reg);

    Fuzz::check(answer.ok() == !code.has_value(), "the table decides acceptance", input);
    if (!answer.ok()) {
        Fuzz::check(answer.error.code == *code,
                    "the first failing check of the group gives the code", input);
        Fuzz::check(answer.address.empty(), "a refused translation shows no address", input);
        return 0;
    }
    if (!state.masterMode) {
        Fuzz::check(answer.address.empty(), "outside Master mode nothing is composed", input);
        return 0;
    }
    if (!command.digit) {
        Fuzz::check(!answer.address.empty(), "an unknown command still composes an address", input);
        return 0;
    }

    const std::string expected = expectedAddress(state, command, slave, reg);
    Fuzz::check(answer.address == expected, "the address follows the formulas", input);

    // Every composed address is of the word form and reads back through the
    // slave parser with the same file and word (the parser writes them even
    // when it refuses a reserved file).
    ErrorState parseError;
    const auto parsed = Slave::ParseDataFile(answer.address, 1, parseError);
    const std::size_t colon = answer.address.find(':');
    Fuzz::check(parsed.file == std::stoi(answer.address.substr(1, colon - 1)) &&
                    parsed.word == std::stoi(answer.address.substr(colon + 1)) && parsed.bit == 0,
                "a composed address reads back through the parser", input);
    return 0;
}
