// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "master/compositions.h"

#include "master/commands.h"

#include <array>
#include <charconv>

namespace Corvane::Master {
namespace {

// Numbers are appended in place: an address fits the short-string buffer, so a
// composition allocates nothing.
void appendNumber(std::string &out, int value)
{
    std::array<char, 12> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

// The thousands digit, ":" and the word of a register in the NXYZ:Z and NYXZ:Z
// formats: 1005 -> "1:005"; 5 -> "0:5".
void appendThousandsAndWord(std::string &out, std::int16_t registerNumber)
{
    std::array<char, 8> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      static_cast<int>(registerNumber));
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    if (registerNumber > 999) {
        out += text.front();
        out += ':';
        out += text.substr(1, 3);
    } else {
        out += '0';
        out += ':';
        out += text;
    }
}

} // namespace

std::string_view CommandFileCode(std::string_view command, PlcType plc)
{
    const ModbusCommand *known = commandWithText(command);
    if (!known)
        return {};
    return plc == PlcType::Plc3 ? known->plc3Letter : known->plc5Digit;
}

std::string FormatXYY(std::string_view command, std::string_view, std::int16_t slaveAddress,
                      std::int16_t registerNumber)
{
    const std::string_view fileCode = CommandFileCode(command, PlcType::Plc5);
    std::string address(1, kPlc5FileLetter);
    // The coil digit "0" is dropped together with the zero that pads the slave.
    if (fileCode != "0") {
        address += fileCode;
        if (slaveAddress < 10)
            address += '0';
    }
    appendNumber(address, slaveAddress);
    address += ':';
    appendNumber(address, registerNumber);
    return address;
}

std::string FormatXYZ(std::string_view command, std::string_view, std::int16_t slaveAddress,
                      std::int16_t registerNumber)
{
    const std::string_view fileCode = CommandFileCode(command, PlcType::Plc5);
    std::string address(1, kPlc5FileLetter);
    if (fileCode != "0")
        address += fileCode;
    appendNumber(address, slaveAddress);
    appendThousandsAndWord(address, registerNumber);
    return address;
}

std::string FormatYXZ(std::string_view command, std::string_view, std::int16_t slaveAddress,
                      std::int16_t registerNumber)
{
    const std::string_view fileCode = CommandFileCode(command, PlcType::Plc5);
    const int slaveDigit = slaveAddress - 1;
    std::string address(1, kPlc5FileLetter);
    // The file code may be dropped only when the slave digit before it is.
    if (slaveDigit != 0) {
        appendNumber(address, slaveDigit);
        address += fileCode;
    } else if (fileCode != "0") {
        address += fileCode;
    }
    appendThousandsAndWord(address, registerNumber);
    return address;
}

std::string FormatPLC3(std::string_view command, std::string_view, std::int16_t slaveAddress,
                       std::int16_t registerNumber)
{
    std::string address(CommandFileCode(command, PlcType::Plc3));
    appendNumber(address, slaveAddress);
    address += ':';
    appendNumber(address, registerNumber);
    return address;
}

} // namespace Corvane::Master
