// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// Leading-number reading (the number fields inside a data file address)
// against the slow reference; blanks anywhere in the field change nothing.
#include "core/numberreading.h"
#include "fuzzinput.h"
#include "referencenumber.h"

#include <algorithm>
#include <string>

using namespace Corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view field = Fuzz::asText(data, size);
    const auto number = NumberReading::leadingNumber(field);

    Fuzz::check(number.inRange || number.value == 0, "an out-of-range field reads 0", field);

    if (field.size() <= Fuzz::Reference::kMaxReferenceLength) {
        const auto expected = Fuzz::Reference::leadingNumber(field);
        Fuzz::check(number.inRange == expected.inRange,
                    "leadingNumber judges the range as the reference does", field);
        Fuzz::check(number.value == expected.value, "leadingNumber agrees with the reference",
                    field);
    }

    std::string squeezed(field);
    squeezed.erase(std::remove_if(squeezed.begin(), squeezed.end(),
                                  [](char c) { return c == ' ' || c == '\t' || c == '\n'; }),
                   squeezed.end());
    const auto withoutBlanks = NumberReading::leadingNumber(squeezed);
    Fuzz::check(withoutBlanks.inRange == number.inRange && withoutBlanks.value == number.value,
                "blanks inside the field change nothing", field);
    return 0;
}
