// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace Corvane::Errors {

// The codes that a translation's checks raise, by the number the error box
// looks up. A code is a 16-bit signed number: the box also takes numbers with
// no message (14, -1) and shows an empty text for them, so the enumeration
// converts to its number freely and any number may be stored in it.
enum ErrorCode : std::int16_t {
    // Master translation: the first failing check of the selected group.
    InvalidRegister = 0,        // 1 to 9999 (NXYY:Z and PLC-3)
    InvalidSlave99 = 1,         // slave 1 to 99 (NXYY:Z)
    InvalidRegisterXYZ = 2,     // 1 to 9999 (NXYZ:Z)
    InvalidSlave9 = 3,          // slave 1 to 9 (NXYZ:Z)
    InvalidRegisterSet5255 = 4, // 1-255, 1000-1255, ... up to 5255 (NYXZ:Z, slave 3)
    InvalidRegisterSet9255 = 5, // the same up to 9255 (NYXZ:Z, slaves below 3)
    InvalidSlave3 = 6,          // slave 1 to 3 (NYXZ:Z)
    InvalidSlave255 = 7,        // slave 0 to 255 (PLC-3)
    BroadcastRead = 8,          // a read to the broadcast address 0 (PLC-3)
    // Slave translation: the code written last wins.
    BadDataFileShape = 9,      // the address has no recognised form
    MovedStartOutOfRange = 10, // a coil or input start moved back to bit 0 leaves its class
    RangeOutOfRange = 11,      // no class, or a register start below its class
    ReservedFile = 12,         // files below 10 take their own letter only
    DataFileOutOfRange = 13,   // file, word or bit beyond the data table
};

// The error flag and code that travel through one translation. Once raised the
// flag stays set; a later raise only replaces the code. Code 0 is a real error,
// so callers test the flag, never the code.
struct ErrorState {
    bool flag = false;
    ErrorCode code = InvalidRegister;

    void raise(ErrorCode newCode)
    {
        flag = true;
        code = newCode;
    }
};

} // namespace Corvane::Errors
