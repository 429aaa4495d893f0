// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "master/addressingscheme.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How each composition is taken back apart: from the pieces of a data table
// address to the slave address and register it could have been composed from,
// and, when nothing composes into an address, which rule it breaks.
namespace Corvane::Master {

// An address as the compositions build it: letter, file number digits, ":",
// word digits.
struct AddressParts {
    char letter = 0;
    std::string_view file;
    std::string_view word;
};

// "N451:234" -> {'N', "451", "234"}; "N451", "7:1", "N4a:1" -> nullopt.
std::optional<AddressParts> splitAddress(std::string_view address);

// A request that one command's file code could have composed into the address;
// only a proposal until it validates and composes back exactly.
struct DecodeCandidate {
    const ModbusCommand *command;
    std::int16_t slaveAddress;
    std::int16_t registerNumber;
};

// The inversions, one per scheme. ({'N', "451", "234"}, 03, "4") under NXYZ:Z
// proposes slave 5, register 1234.
void InvertXYY(const AddressParts &parts, const ModbusCommand &command, std::string_view fileCode,
               std::vector<DecodeCandidate> &candidates);
void InvertXYZ(const AddressParts &parts, const ModbusCommand &command, std::string_view fileCode,
               std::vector<DecodeCandidate> &candidates);
void InvertYXZ(const AddressParts &parts, const ModbusCommand &command, std::string_view fileCode,
               std::vector<DecodeCandidate> &candidates);
void InvertPLC3(const AddressParts &parts, const ModbusCommand &command, std::string_view fileCode,
                std::vector<DecodeCandidate> &candidates);

// Why no request composes into an address whose parts are `parts`; called
// only for such an address, each names the first rule that it breaks.
// ({'B', "3", "0"}, NXYY:Z) -> "PLC-5 messages always target an integer file: ..."
std::string ExplainXYY(const AddressParts &parts, const SchemeRow &row);
std::string ExplainXYZ(const AddressParts &parts, const SchemeRow &row);
std::string ExplainYXZ(const AddressParts &parts, const SchemeRow &row);
std::string ExplainPLC3(const AddressParts &parts, const SchemeRow &row);

} // namespace Corvane::Master
