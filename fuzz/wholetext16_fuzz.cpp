// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// Whole-text reading into 16 bits (the master register and slave address
// fields) against the slow reference and against the 32-bit reading.
#include "core/numberreading.h"
#include "fuzzinput.h"
#include "referencenumber.h"

using namespace Corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text = Fuzz::asText(data, size);
    const auto value = NumberReading::wholeText16(text);

    if (text.size() <= Fuzz::Reference::kMaxReferenceLength) {
        const auto expected = Fuzz::Reference::wholeText(text, INT16_MAX);
        Fuzz::check(value.has_value() == expected.has_value(),
                    "wholeText16 accepts what the reference accepts", text);
        if (value)
            Fuzz::check(*value == *expected, "wholeText16 agrees with the reference", text);
    }

    // The two whole-text readers share one syntax and differ only in range.
    const auto wide = NumberReading::wholeText32(text);
    const bool fits = wide && *wide >= INT16_MIN && *wide <= INT16_MAX;
    Fuzz::check(value.has_value() == fits,
                "wholeText16 accepts exactly the 16-bit values of wholeText32", text);
    if (value)
        Fuzz::check(*value == *wide, "wholeText16 reads the same value as wholeText32", text);
    return 0;
}
