// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// The whole slave translation on any three field texts. A refusal blanks all
// four answers; an accepted range ends inside one Modicon class and starts
// where the typed start, count and bit put it.
//
// Input: "address\nstart\ncount"; the last two lines are the two number
// fields, everything before them (line feeds included) is the address.
#include "core/modiconclass.h"
#include "core/numberreading.h"
#include "fuzzinput.h"
#include "slave/slavetranslation.h"

#include <string>

using namespace Corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input = Fuzz::asText(data, size);
    std::string_view rest = input;
    const std::string_view countText = Fuzz::takeLastLine(rest);
    const std::string_view startText = Fuzz::takeLastLine(rest);
    const Slave::SlaveFieldTexts fields{rest, startText, countText};

    const Slave::SlaveAnswer answer = Slave::TranslateSlave(fields);

    if (!answer.ok()) {
        Fuzz::check(answer.error.code >= 9 && answer.error.code <= 13,
                    "a refused translation carries one of the slave codes 9 to 13", input);
        Fuzz::check(answer.modiconStart.empty() && answer.modiconEnd.empty() &&
                        answer.file.empty() && answer.word.empty(),
                    "a refused translation blanks all four answers", input);
        return 0;
    }

    Fuzz::check(answer.modiconStart == std::to_string(answer.modiconStartValue) &&
                    answer.modiconEnd == std::to_string(answer.modiconEndValue) &&
                    answer.file == std::to_string(answer.fileValue) &&
                    answer.word == std::to_string(answer.wordValue),
                "the answers are the plain decimal texts of their values", input);
    Fuzz::check(answer.fileValue >= 0 && answer.fileValue <= 999 && answer.wordValue >= 0 &&
                    answer.wordValue <= 9999,
                "an accepted file and word lie within the data table", input);

    const auto endClass = Modbus::modiconClassOf(answer.modiconEndValue);
    Fuzz::check(endClass.has_value(), "an accepted range ends inside a Modicon class", input);
    const Modbus::ModiconClassInfo &info = Modbus::modiconClassInfo(*endClass);
    Fuzz::check(answer.modiconStartValue >= info.first,
                "an accepted range starts no lower than its class", input);

    // Recompute the range from the typed texts in 64 bits.
    const std::int64_t typedStart = NumberReading::wholeText32(startText).value_or(0);
    std::int64_t count = NumberReading::wholeText32(countText).value_or(0);
    const bool isFloat = !rest.empty() && (rest[0] == 'F' || rest[0] == 'f');
    if (isFloat)
        count *= 2;
    Fuzz::check(answer.modiconEndValue == typedStart + count - 1,
                "the end is the start plus the (doubled) count less one", input);
    if (!info.bitAddressed) {
        Fuzz::check(answer.modiconStartValue == typedStart, "registers start where typed", input);
    } else {
        const std::int64_t bit = typedStart - answer.modiconStartValue;
        Fuzz::check(bit >= 0 && bit <= 15, "coils and inputs move back by the bit only", input);
    }
    if (count >= 1) {
        Fuzz::check(answer.modiconStartValue <= answer.modiconEndValue &&
                        Modbus::modiconClassOf(answer.modiconStartValue) == endClass,
                    "a range of at least one starts and ends in the same class", input);
    }
    return 0;
}
