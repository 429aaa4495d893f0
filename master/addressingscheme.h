// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "errors/errorcode.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The four ways a PLC message names a Modbus request: the three PLC-5
// addressing formats and the PLC-3 form. Each is one row of one table that
// holds everything known of it: its name, the checks of its request, the range
// hints the window shows, how it composes an address and how an address is
// taken back apart. Validation, prompts, decoding and the command line all
// read the table.
namespace Corvane::Master {

enum class PlcType { Plc5, Plc3 };
enum class AddressFormat { XYY, XYZ, YXZ }; // "NXYY:Z", "NXYZ:Z", "NYXZ:Z"

// A PLC type and, for PLC-5, an addressing format; `format` is not read for
// PLC-3, where the format buttons are hidden but keep their selection.
struct AddressingScheme {
    PlcType plc = PlcType::Plc5;
    AddressFormat format = AddressFormat::XYY;

    bool operator==(const AddressingScheme &) const = default;
};

// What one check of a request looks at.
enum class Checked {
    Register,           // the register lies within [low, high]
    Slave,              // the slave address lies within [low, high]
    RegisterSetOfSlave, // for a slave within [slaveLow, slaveHigh], the register lies in the
                        // set 1-255, 1000-1255, ... up to `high`
    BroadcastRead,      // no read message goes to the broadcast address 0
};

struct ValidationCheck {
    Checked what;
    std::int16_t low = 0;
    std::int16_t high = 0;
    Errors::ErrorCode code = Errors::InvalidRegister;
    std::int16_t slaveLow = 0;
    std::int16_t slaveHigh = 0;
};

// The last word of each thousand in the register sets of NYXZ:Z: 1-255,
// 1000-1255, 2000-2255 and so on.
inline constexpr int kRegisterSetLastWord = 255;

struct ModbusCommand;
struct AddressParts;
struct DecodeCandidate;
struct SchemeRow;

// Composes the data table address of an accepted request.
using Composition = std::string (*)(std::string_view command, std::string_view subfunction,
                                    std::int16_t slaveAddress, std::int16_t registerNumber);
// Proposes the slave address and register from which one command's file code
// could have composed the address's pieces.
using Inversion = void (*)(const AddressParts &parts, const ModbusCommand &command,
                           std::string_view fileCode, std::vector<DecodeCandidate> &candidates);
// The first rule of the scheme that an address breaks, when none composes into it.
using Explanation = std::string (*)(const AddressParts &parts, const SchemeRow &row);

struct SchemeRow {
    AddressingScheme scheme;
    std::string_view name;                   // "NXYZ:Z", or "PLC-3"
    std::span<const ValidationCheck> checks; // in the order they run; the first failure ends them
    std::string_view registerHint;           // beside the register field: "(1-9999)"
    std::string_view slaveHintRead;          // beside the slave field for " Read": "(1-255)"
    std::string_view slaveHintWrite;         // ... and for " Write": "(0-255)"
    bool slaveHintFollowsMessageType;        // PLC-3: another message type leaves the hint as it is
    Composition compose;
    Inversion invert;
    Explanation explain;
};

// The row of a scheme; PLC-3 whatever the format.
// schemeRow({Plc5, XYZ}).name -> "NXYZ:Z"; schemeRow({Plc3, YXZ}).name -> "PLC-3"
const SchemeRow &schemeRow(const AddressingScheme &scheme);

// The four rows in the window's order: NXYY:Z, NXYZ:Z, NYXZ:Z, then PLC-3.
std::span<const SchemeRow> schemeRows();
std::span<const AddressingScheme> addressingSchemes();

// "NXYY:Z", "NXYZ:Z", "NYXZ:Z" or "PLC-3".
std::string_view schemeName(const AddressingScheme &scheme);

// The accepted range of the register, or of the slave address, when the
// scheme checks it as one range. (NXYY:Z) -> {1, 99} for the slave; NYXZ:Z has
// no single register range.
struct CheckedRange {
    std::int16_t low;
    std::int16_t high;
};
std::optional<CheckedRange> checkedRange(const SchemeRow &row, Checked what);

// A PLC-5 addressing format by its name. "NXYZ:Z" -> XYZ; "nxyz:z" -> nullopt.
std::optional<AddressFormat> formatNamed(std::string_view name);
// "NXYY:Z, NXYZ:Z or NYXZ:Z"
std::string formatNameList();

// The PLC types as the command line names them: "5" and "3".
struct PlcTypeRow {
    PlcType plc;
    std::string_view number; // "5"
    std::string_view name;   // "PLC-5"
};
std::span<const PlcTypeRow> plcTypeRows();
const PlcTypeRow &plcTypeRow(PlcType plc);
// "3" -> Plc3; "PLC-3" -> nullopt.
std::optional<PlcType> plcTypeNamed(std::string_view number);
// "5 or 3"
std::string plcNumberList();

} // namespace Corvane::Master
