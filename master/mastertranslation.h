// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/modiconclass.h"
#include "core/numberreading.h"
#include "errors/errorcode.h"
#include "master/addressingscheme.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The master translation: from the Modbus request the user describes to the
// data table address that the PLC message must target.
namespace Corvane::Master {

// What the master translation reads from the window: the selections and the
// texts of the boxes and fields, exactly as shown or typed. It owns its
// texts, so a request built elsewhere (a command line, a table row, the
// page's script) is the same record the window fills.
struct MasterWindowState {
    bool masterMode = true;                    // MasterOpt selected
    PlcType plc = PlcType::Plc5;               // PLC5Opt / PLC3Opt
    AddressFormat format = AddressFormat::XYY; // XYYOpt / XYZOpt / YXZOpt
    std::string messageType;                   // MesTypeLst text, " Read"
    std::string command;                       // ModCmdLst text
    std::string subfunction;                   // DiagSubLst text
    std::string registerText;                  // RegTxt
    std::string slaveAddressText;              // SlaveAddrTxt

    AddressingScheme scheme() const { return {plc, format}; }
};

// The request read from the window; the texts view the state's own, and a
// number that does not convert stays -1.
struct MasterRequest {
    std::string_view command;
    std::string_view subfunction;
    std::int16_t slaveAddress = -1;
    std::int16_t registerNumber = -1;
};

// Reads the request: texts as shown, numbers as whole-text 16-bit values.
// register " 12 " -> 12, "2.5" -> 2, "70000" -> -1; `readings`, when given,
// notes the rounding and the value outside the 16-bit range.
MasterRequest ReadMasterInputs(const MasterWindowState &state,
                               NumberReading::FieldReadings *readings = nullptr);

// Checks the request against the selected PLC type and format; the first
// failing check of the group raises its code (0 to 8) and ends validation.
// Returns the code (0 also when every check passed: test the flag).
// (NXYY:Z, slave 100, register 5) -> InvalidSlave99.
Errors::ErrorCode ValidateMaster(const MasterWindowState &state, std::int16_t slaveAddress,
                                 std::int16_t registerNumber, Errors::ErrorState &error);

// The answer of one master translation: the address, or an empty text and the
// code to show.
struct MasterAnswer {
    Errors::ErrorState error;
    std::string address;

    bool ok() const { return !error.flag; }
};

// The whole master translation.
// PLC-5, NXYZ:Z, " 03 - Read Holding Registers  (4X)", register "1234",
// slave "5" -> "N451:234". `readings`, when given, notes how the register
// and the slave address were read.
MasterAnswer TranslateMaster(const MasterWindowState &state,
                             NumberReading::FieldReadings *readings = nullptr);

// Where a request starts: the table of its command, at the register as the
// master translation reads it; none for diagnostics, for a text that is no
// command and for a register that does not read.
// (" 03 - Read Holding Registers  (4X)", "1234") -> {HoldingRegisters, 41234}
std::optional<Modbus::ModiconRange> requestRange(std::string_view command,
                                                 std::string_view registerText);

} // namespace Corvane::Master
