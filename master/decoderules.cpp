// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "master/decoderules.h"

#include "core/characters.h"
#include "core/wording.h"
#include "master/commands.h"
#include "master/compositions.h"

#include <algorithm>

namespace Corvane::Master {
namespace {

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), Text::isDigit);
}

// The value of a run of at most four digits; longer runs lie outside every
// accepted slave address and register, so they are not read at all.
std::optional<std::int16_t> smallNumber(std::string_view digits)
{
    if (digits.size() > 4 || !allDigits(digits))
        return std::nullopt;
    std::int16_t value = 0;
    for (char c : digits)
        value = static_cast<std::int16_t>(value * 10 + (c - '0'));
    return value;
}

void propose(std::vector<DecodeCandidate> &candidates, const ModbusCommand &command,
             std::optional<std::int16_t> slave, std::optional<std::int16_t> reg)
{
    if (slave && reg)
        candidates.push_back({&command, *slave, *reg});
}

// In "NXYZ:Z" and "NYXZ:Z" the last digit of the file number is the register's
// thousands digit; with 0 the word is the whole register, otherwise its last
// three digits.
std::optional<std::int16_t> registerFromThousands(char thousands, std::string_view word)
{
    const auto low = smallNumber(word);
    if (!low)
        return std::nullopt;
    return static_cast<std::int16_t>((thousands - '0') * 1000 + *low);
}

// A word that is a register of 1 to `highest` written as the compositions
// write it: no leading zeros.
bool plainRegister(std::string_view word, int highest)
{
    const auto value = smallNumber(word);
    return value && *value >= 1 && *value <= highest && word.front() != '0';
}

// The word of "NXYZ:Z" and "NYXZ:Z": the whole register when the thousands
// digit is 0, otherwise exactly three digits; never above `highestWord`.
bool splitWord(char thousands, std::string_view word, int highestWord)
{
    const auto value = smallNumber(word);
    if (!value || *value > highestWord)
        return false;
    if (thousands == '0')
        return *value >= 1 && word.front() != '0';
    return word.size() == 3;
}

// The PLC-5 digits that stand in a file number, "1, 3, 4 or 8": the coil
// digit "0" is always dropped.
std::string writtenFunctionDigits()
{
    std::vector<std::string> digits;
    for (const ModbusCommand &command : modbusCommands()) {
        const std::string digit(command.plc5Digit);
        if (digit != "0" && std::find(digits.begin(), digits.end(), digit) == digits.end())
            digits.push_back(digit);
    }
    std::sort(digits.begin(), digits.end());
    return Text::joinedList(digits, "or");
}

// The commands whose digit is dropped: "01 and 15".
std::string coilCommands()
{
    std::vector<std::string> numbers;
    for (const ModbusCommand &command : modbusCommands()) {
        if (command.plc5Digit == "0")
            numbers.emplace_back(command.number);
    }
    return Text::joinedList(numbers, "and");
}

// The PLC-3 letters with their commands: "B (01, 15), F (02, 05), ... or D (08)".
std::string commandLetters()
{
    std::vector<std::string> letters;
    std::vector<std::string> entries;
    for (const ModbusCommand &command : modbusCommands()) {
        const std::string letter(command.plc3Letter);
        if (std::find(letters.begin(), letters.end(), letter) != letters.end())
            continue;
        letters.push_back(letter);
        std::string entry = letter + " (";
        bool first = true;
        for (const ModbusCommand &other : modbusCommands()) {
            if (other.plc3Letter != command.plc3Letter)
                continue;
            entry += first ? "" : ", ";
            entry += other.number;
            first = false;
        }
        entries.push_back(entry + ")");
    }
    return Text::joinedList(entries, "or");
}

std::string range(const SchemeRow &row, Checked what, std::string_view separator)
{
    const CheckedRange checked = checkedRange(row, what).value_or(CheckedRange{0, 0});
    return std::to_string(checked.low) + std::string(separator) + std::to_string(checked.high);
}

std::string plainRegisterRule(const SchemeRow &row)
{
    return "the word must be a start register or coil from " +
           range(row, Checked::Register, " to ") + ", without leading zeros";
}

std::optional<std::string> notAnIntegerFile(const AddressParts &parts)
{
    if (parts.letter != kPlc5FileLetter)
        return std::string("PLC-5 messages always target an integer file: the letter must be ") +
               kPlc5FileLetter;
    return std::nullopt;
}

} // namespace

std::optional<AddressParts> splitAddress(std::string_view address)
{
    const std::size_t colon = address.find(':');
    if (address.empty() || colon == std::string_view::npos)
        return std::nullopt;
    AddressParts parts{address.front(), address.substr(1, colon - 1), address.substr(colon + 1)};
    if (!Text::isLetter(parts.letter) || !allDigits(parts.file) || !allDigits(parts.word))
        return std::nullopt;
    return parts;
}

void InvertXYY(const AddressParts &parts, const ModbusCommand &command, std::string_view fileCode,
               std::vector<DecodeCandidate> &candidates)
{
    // File number = code + slave as two digits, or the bare slave for code "0".
    const std::string_view file = parts.file;
    if (fileCode == "0")
        propose(candidates, command, smallNumber(file), smallNumber(parts.word));
    else if (file.size() == 3 && file.substr(0, 1) == fileCode)
        propose(candidates, command, smallNumber(file.substr(1)), smallNumber(parts.word));
}

void InvertXYZ(const AddressParts &parts, const ModbusCommand &command, std::string_view fileCode,
               std::vector<DecodeCandidate> &candidates)
{
    // File number = code (omitted when "0") + slave digit + thousands digit.
    const char thousands = parts.file.back();
    const std::string_view head = parts.file.substr(0, parts.file.size() - 1);
    if (fileCode == "0" && head.size() == 1)
        propose(candidates, command, smallNumber(head),
                registerFromThousands(thousands, parts.word));
    else if (fileCode != "0" && head.size() == 2 && head.substr(0, 1) == fileCode)
        propose(candidates, command, smallNumber(head.substr(1)),
                registerFromThousands(thousands, parts.word));
}

void InvertYXZ(const AddressParts &parts, const ModbusCommand &command, std::string_view fileCode,
               std::vector<DecodeCandidate> &candidates)
{
    // File number = (slave - 1), omitted when 0 + code, omitted when it and the
    // slave digit are "0" + thousands digit.
    const char thousands = parts.file.back();
    const std::string_view head = parts.file.substr(0, parts.file.size() - 1);
    const auto slaves = checkedRange(schemeRow({PlcType::Plc5, AddressFormat::YXZ}), Checked::Slave)
                            .value_or(CheckedRange{1, 3});
    for (std::int16_t slave = slaves.low; slave <= slaves.high; ++slave) {
        std::string expected = slave == 1 ? "" : std::to_string(slave - 1);
        if (!(slave == 1 && fileCode == "0"))
            expected += fileCode;
        if (head == expected)
            propose(candidates, command, slave, registerFromThousands(thousands, parts.word));
    }
}

void InvertPLC3(const AddressParts &parts, const ModbusCommand &command, std::string_view fileCode,
                std::vector<DecodeCandidate> &candidates)
{
    if (std::string_view(&parts.letter, 1) == fileCode)
        propose(candidates, command, smallNumber(parts.file), smallNumber(parts.word));
}

std::string ExplainXYY(const AddressParts &parts, const SchemeRow &row)
{
    if (auto why = notAnIntegerFile(parts))
        return *why;
    if (!plainRegister(parts.word, checkedRange(row, Checked::Register)->high))
        return plainRegisterRule(row);
    const CheckedRange slaves = *checkedRange(row, Checked::Slave);
    std::string lowTwoDigits = std::to_string(slaves.low);
    lowTwoDigits.insert(0, 2 - std::min<std::size_t>(lowTwoDigits.size(), 2), '0');
    return "the file number must be a slave address from " + range(row, Checked::Slave, " to ") +
           " (coil commands " + coilCommands() + "), or a function digit " +
           writtenFunctionDigits() + " followed by a two-digit slave address from " + lowTwoDigits +
           " to " + std::to_string(slaves.high);
}

std::string ExplainXYZ(const AddressParts &parts, const SchemeRow &row)
{
    if (auto why = notAnIntegerFile(parts))
        return *why;
    if (!splitWord(parts.file.back(), parts.word, 999))
        return "the word must be the register itself (1 to 999, no leading zeros) when the file "
               "number ends in 0, otherwise the register's last three digits (000 to 999)";
    return "the file number must be a function digit " + writtenFunctionDigits() +
           " (none for coil commands " + coilCommands() + "), a slave address from " +
           range(row, Checked::Slave, " to ") + " and the register's thousands digit";
}

std::string ExplainYXZ(const AddressParts &parts, const SchemeRow &row)
{
    if (auto why = notAnIntegerFile(parts))
        return *why;
    const char thousands = parts.file.back();
    if (!splitWord(thousands, parts.word, kRegisterSetLastWord))
        return "the word must be the register's last three digits, 0 to " +
               std::to_string(kRegisterSetLastWord) +
               " (register sets 1-255, 1000-1255, 2000-2255, ...), written without leading zeros "
               "when the file number ends in 0";
    // The short register set: its slave and its highest register.
    for (const ValidationCheck &check : row.checks) {
        if (check.what != Checked::RegisterSetOfSlave || check.slaveLow != check.slaveHigh)
            continue;
        const std::string slaveDigit = std::to_string(check.slaveLow - 1);
        const int highestThousand = check.high / 1000;
        if (thousands - '0' > highestThousand && parts.file.size() == 3 &&
            parts.file.substr(0, 1) == slaveDigit)
            return "slave address " + std::to_string(check.slaveLow) + " takes registers up to " +
                   std::to_string(check.high) + " only";
    }
    return "the file number must be the slave address less one (none for slave 1), a function "
           "digit " +
           writtenFunctionDigits() + " (none for coil commands " + coilCommands() +
           " with slave 1) and the register's thousands digit";
}

std::string ExplainPLC3(const AddressParts &parts, const SchemeRow &row)
{
    const bool commandLetter = std::any_of(
        modbusCommands().begin(), modbusCommands().end(), [&parts](const ModbusCommand &command) {
            return command.plc3Letter == std::string_view(&parts.letter, 1);
        });
    if (!commandLetter)
        return "the file type letter must be the letter of a command: " + commandLetters();
    const auto slave = smallNumber(parts.file);
    const CheckedRange slaves = *checkedRange(row, Checked::Slave);
    if (!slave || *slave > slaves.high || (parts.file.size() > 1 && parts.file.front() == '0'))
        return "the file number must be a slave address from " +
               range(row, Checked::Slave, " to ") + ", without leading zeros";
    // Every command letter has a write command, which any slave address of the
    // range may take, so with letter and file number right only the word is wrong.
    return plainRegisterRule(row);
}

} // namespace Corvane::Master
