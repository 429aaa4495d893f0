// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "master/addressingscheme.h"
#include "master/commands.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The reverse of the master translation: which Modbus requests a PLC message
// must describe to target a given data table address.
namespace Corvane::Master {

// One request that the master translation accepts and composes into the
// decoded address.
struct DecodedRequest {
    const ModbusCommand *command = nullptr;
    std::string_view messageType; // " Read" or " Write"
    std::int16_t slaveAddress = 0;
    std::int16_t registerNumber = 0;
};

struct Decoding {
    AddressingScheme scheme;
    // In function code order, reads before writes for diagnostics.
    std::vector<DecodedRequest> requests;
    // Why no request composes into the address; empty when some does.
    std::string whyNone;
};

// Every request of the nine commands that composes into `address` under
// `scheme`. Each one found passes ValidateMaster and composes back into
// exactly `address`. ("N451:234", NXYZ:Z) -> 03 read, 06 and 16 write, slave 5,
// register 1234; ("N451:234", PLC-3) -> none, because slave 451 is above 255.
Decoding DecodeAddress(std::string_view address, const AddressingScheme &scheme);

} // namespace Corvane::Master
