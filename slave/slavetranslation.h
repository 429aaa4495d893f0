// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/modiconclass.h"
#include "core/numberreading.h"
#include "errors/errorcode.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace Corvane::Slave {

// The three slave fields of the window, exactly as typed.
struct SlaveFieldTexts {
    std::string_view dataFile;          // DataFileTxt, "N7:4/5"
    std::string_view startRegister;     // StartRegTxt, "40001"
    std::string_view numberOfRegisters; // NumRegTxt, "10"
};

// The inputs of one translation; the address views the field's own text.
struct SlaveInputs {
    std::string_view address;
    std::int32_t start = 0;
    std::int32_t count = 0;
};

// Reads the fields: the address as typed, start and count as whole-text
// 32-bit numbers, 0 where the text does not convert.
// {"N7:0", " 40001.5 ", "x"} -> {"N7:0", 40002, 0}; `readings`, when given,
// notes that the start was rounded and the count held no number.
SlaveInputs ReadSlaveInputs(const SlaveFieldTexts &fields,
                            NumberReading::FieldReadings *readings = nullptr);

struct SlaveRange {
    std::int32_t start = 0; // moved back to bit 0 of the word for coils and inputs
    std::int32_t end = 0;
};

// Maps a run onto a Modicon range and checks its class, raising 10 or 11.
// (6, 10, 5) -> start 1, end 15; (40001, 10, 5) -> start 40001, end 40010;
// (1, 16, 4) -> code 10.
SlaveRange MapSlaveRange(std::int32_t start, std::int32_t count, std::int32_t bit,
                         Errors::ErrorState &error);

// The answer of one slave translation. On failure the four texts are empty and
// `error` holds the code to show.
struct SlaveAnswer {
    Errors::ErrorState error;
    std::string modiconStart;
    std::string modiconEnd;
    std::string file;
    std::string word;
    // The same values as numbers, meaningful only when the translation succeeded.
    std::int32_t modiconStartValue = 0;
    std::int32_t modiconEndValue = 0;
    std::int32_t fileValue = 0;
    std::int32_t wordValue = 0;

    bool ok() const { return !error.flag; }
};

// The Modicon range of an answer, in the class its end decides, as the
// mapping itself decides it; none for a refusal.
// {"N7:0", "40001", "10"} -> {HoldingRegisters, 40001, 40010}
std::optional<Modbus::ModiconRange> answerRange(const SlaveAnswer &answer);

// The whole slave translation from the three field texts.
// {"N7:4/5", "6", "10"} -> "1", "15", "7", "4"; {"F8/3", "1", "1"} -> code 10.
// `readings`, when given, notes how each number field was read.
SlaveAnswer TranslateSlave(const SlaveFieldTexts &fields,
                           NumberReading::FieldReadings *readings = nullptr);

} // namespace Corvane::Slave
