// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/modiconclass.h"
#include "master/messagetype.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The Modbus commands as the window's lists spell them, with everything the
// rules need to know of each. This is the one table of command texts: the
// lists, the prompts, the compositions and the reverse lookup all read it.
namespace Corvane::Master {

inline constexpr std::string_view kDiagnosticsCommand = " 08 - Diagnostics";

// Which message type a command is listed under. Diagnostics is listed under
// neither, so the user may send it with either.
enum class CommandDirection { Read, Write, Either };

// One Modbus command.
struct ModbusCommand {
    std::int16_t functionCode;                 // 3
    std::string_view number;                   // "03"
    std::string_view text;                     // " 03 - Read Holding Registers  (4X)"
    CommandDirection direction;                // Read
    std::optional<Modbus::ModiconClass> table; // HoldingRegisters; none for diagnostics
    std::string_view plc5Digit;                // "4": the file code in the PLC-5 formats
    std::string_view plc3Letter;               // "N": the file type letter under PLC-3
};

// Read and write commands share file codes: 05 takes the codes of 02, and 06
// the digit of the holding registers but the letter of the input registers.
inline constexpr std::array kModbusCommands{
    ModbusCommand{1, "01", " 01 - Read Coil Status  (0X)", CommandDirection::Read,
                  Modbus::ModiconClass::Coils, "0", "B"},
    ModbusCommand{2, "02", " 02 - Read Input Status  (1X)", CommandDirection::Read,
                  Modbus::ModiconClass::DiscreteInputs, "1", "F"},
    ModbusCommand{3, "03", " 03 - Read Holding Registers  (4X)", CommandDirection::Read,
                  Modbus::ModiconClass::HoldingRegisters, "4", "N"},
    ModbusCommand{4, "04", " 04 - Read Input Registers  (3X)", CommandDirection::Read,
                  Modbus::ModiconClass::InputRegisters, "3", "S"},
    ModbusCommand{5, "05", " 05 - Force Single Coil  (0X)", CommandDirection::Write,
                  Modbus::ModiconClass::Coils, "1", "F"},
    ModbusCommand{6, "06", " 06 - Pre-set Single Register  (4X)", CommandDirection::Write,
                  Modbus::ModiconClass::HoldingRegisters, "4", "S"},
    ModbusCommand{8, "08", kDiagnosticsCommand, CommandDirection::Either, std::nullopt, "8", "D"},
    ModbusCommand{15, "15", " 15 - Force Multiple Coils  (0X)", CommandDirection::Write,
                  Modbus::ModiconClass::Coils, "0", "B"},
    ModbusCommand{16, "16", " 16 - Pre-set Multiple Registers  (4X)", CommandDirection::Write,
                  Modbus::ModiconClass::HoldingRegisters, "4", "N"},
};

// The commands listed under one message type, in list order.
inline constexpr std::size_t kCommandsPerList = 4;

// The nine commands in function code order: the eight of the lists and
// " 08 - Diagnostics". modbusCommands()[2].text -> " 03 - Read Holding Registers  (4X)"
std::span<const ModbusCommand> modbusCommands();

// The command whose text is exactly `text`, or none.
// " 16 - Pre-set Multiple Registers  (4X)" -> function 16; "16" -> nullptr.
const ModbusCommand *commandWithText(std::string_view text);

// The command with a bare function number of one or two digits, or none.
// "3" -> function 3, "03" -> function 3, "08" -> diagnostics, "07" -> nullptr.
const ModbusCommand *commandWithNumber(std::string_view number);

// The function numbers of the nine commands, a run of three or more
// consecutive ones written as its first and last joined by `through`.
// (" to ") -> {"01 to 06", "08", "15", "16"}; ("-") -> {"01-06", "08", "15", "16"}
std::vector<std::string> commandNumberGroups(std::string_view through);

// The commands that read, or write, one Modicon table, in function code order.
// (Coils, Write) -> 05, 15; (InputRegisters, Write) -> none.
struct TableCommands {
    std::array<const ModbusCommand *, kModbusCommands.size()> commands{};
    std::size_t count = 0;

    // Iterable as it stands, so that a range-for over a returned set keeps it alive.
    auto begin() const { return commands.begin(); }
    auto end() const { return commands.begin() + static_cast<std::ptrdiff_t>(count); }
};
TableCommands commandsFor(Modbus::ModiconClass table, CommandDirection direction);

// The function numbers that read, or write, a table, joined by `separator`.
// (Coils, Write, ", ") -> "05, 15"; (InputRegisters, Write, ",") -> "".
std::string functionNumbers(Modbus::ModiconClass table, CommandDirection direction,
                            std::string_view separator);

// The texts of the four commands a message type lists, in function code order;
// empty for Other. commandTexts(Write)[1] -> " 06 - Pre-set Single Register  (4X)"
std::span<const std::string_view> commandTexts(MessageType type);

// The command a message type starts with; empty for Other.
// defaultCommand(Read) -> " 01 - Read Coil Status  (0X)"
std::string_view defaultCommand(MessageType type);

// True for the eight commands of the two lists, false for the diagnostics
// command and for any typed text.
bool isStandardCommand(std::string_view command);

// The message type that the lists pair with a command text: " Write" for the
// four write commands, " Read" for everything else, unknown texts included.
// " 06 - Pre-set Single Register  (4X)" -> " Write"; " 08 - Diagnostics" -> " Read".
std::string_view defaultMessageType(std::string_view command);

} // namespace Corvane::Master
