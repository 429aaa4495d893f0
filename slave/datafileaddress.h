// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/numberreading.h"
#include "errors/errorcode.h"

#include <cstdint>
#include <string_view>

namespace Corvane::Slave {

// An Allen-Bradley data file address taken apart. Every field is written on
// every parse, also when a check fails.
struct DataFileAddress {
    std::int32_t file = 0;
    std::int32_t word = 0;
    std::int32_t bit = 0;
    // The count of words or bits to map, doubled for floating-point files.
    std::int32_t count = 0;
};

// Parses the text of the data file field against the PLC-5 data table rules,
// raising 9, 12 or 13 on `error`; the code written last wins.
// ("N7:4/5", 10) -> file 7, word 4, bit 5, count 10;
// ("F8:0", 10) -> file 8, word 0, bit 0, count 20; ("N8:0", 10) -> code 12.
// Each number field read is noted in `readings` when given: "N7:4x" notes the
// word "4x", read as 4 with "x" ignored.
DataFileAddress ParseDataFile(std::string_view text, std::int32_t count, Errors::ErrorState &error,
                              NumberReading::FieldReadings *readings = nullptr);

} // namespace Corvane::Slave
