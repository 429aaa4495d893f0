// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

// The two translations as plain exports for scripts: the page writes the
// field texts, UTF-8, one after the other into the input buffer, calls a
// translation with their lengths, and reads the flat answer out of the
// module's memory at the offsets that answerLayout (bindings) reports. No
// object is built and no string converted on the way.
namespace Corvane::Web {

inline constexpr std::size_t kAddressCapacity = 32;
inline constexpr std::size_t kReferenceCapacity = 8;

struct FlatAnswer {
    std::int32_t ok = 0;   // 1 translated, 0 refused
    std::int32_t code = 0; // the error box's code when refused
    std::int32_t file = 0;
    std::int32_t word = 0;
    std::int32_t modiconStart = 0;
    std::int32_t modiconEnd = 0;
    // The details: the Modicon table of the answer (-1 for none) and the
    // protocol's offsets (-1 beyond them) with their hex and 6-digit forms.
    std::int32_t table = -1;
    std::int32_t startOffset = -1;
    std::int32_t endOffset = -1;
    std::int32_t addressLength = 0;
    char address[kAddressCapacity] = {}; // the master's data table address
    char startHex[kReferenceCapacity] = {};
    char startReference[kReferenceCapacity] = {};
    char endHex[kReferenceCapacity] = {};
    char endReference[kReferenceCapacity] = {};
};

} // namespace Corvane::Web

extern "C" {

// An input buffer of at least `bytes` bytes, valid until the next call.
char *corvane_input(std::size_t bytes);

// The answer of the last translation.
const Corvane::Web::FlatAnswer *corvane_answer();

// The slave translation of the address, start and count texts that stand in
// the input buffer in this order. ("N7:4/5", "6", "10") -> ok, file 7, word 4,
// Modicon 1 to 15 in the coils, offsets 0 to 14.
void corvane_translate_slave(std::size_t addressLength, std::size_t startLength,
                             std::size_t countLength);

// The master translation of the plc ("5" or "3"), format ("NXYY:Z", ...),
// message type, command, subfunction, register and slave address texts in
// the input buffer in this order; a plc that is not "3" is PLC-5, a format
// that is none of the three NXYY:Z.
// ("5", "NXYZ:Z", " Read", " 03 - ...", "", "1234", "5") -> ok, "N451:234", 41234.
void corvane_translate_master(std::size_t plcLength, std::size_t formatLength,
                              std::size_t messageTypeLength, std::size_t commandLength,
                              std::size_t subfunctionLength, std::size_t registerLength,
                              std::size_t slaveLength);
}
