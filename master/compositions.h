// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "master/addressingscheme.h"

#include <cstdint>
#include <string>
#include <string_view>

// The data table addresses that a PLC message must target so that the gateway
// issues a given Modbus request, one composition per addressing scheme.
namespace Corvane::Master {

// PLC-5 messages always target an integer file.
inline constexpr char kPlc5FileLetter = 'N';

// The file code of a command: a PLC-5 digit or a PLC-3 letter, empty for a
// text that is not a command. (" 03 - Read Holding Registers  (4X)", Plc5) -> "4";
// (" 06 - Pre-set Single Register  (4X)", Plc3) -> "S".
std::string_view CommandFileCode(std::string_view command, PlcType plc);

// The four compositions; each expects a request that ValidateMaster accepted.
// FormatXYY(" 03 - ...", "", 5, 100) -> "N405:100"
std::string FormatXYY(std::string_view command, std::string_view subfunction,
                      std::int16_t slaveAddress, std::int16_t registerNumber);
// FormatXYZ(" 03 - ...", "", 5, 1234) -> "N451:234"
std::string FormatXYZ(std::string_view command, std::string_view subfunction,
                      std::int16_t slaveAddress, std::int16_t registerNumber);
// FormatYXZ(" 03 - ...", "", 2, 1200) -> "N141:200"
std::string FormatYXZ(std::string_view command, std::string_view subfunction,
                      std::int16_t slaveAddress, std::int16_t registerNumber);
// FormatPLC3(" 01 - ...", "", 3, 5) -> "B3:5"
std::string FormatPLC3(std::string_view command, std::string_view subfunction,
                       std::int16_t slaveAddress, std::int16_t registerNumber);

} // namespace Corvane::Master
