// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// Whole-text reading into 32 bits (the slave start and count fields) against
// the slow reference, and unchanged by blanks around the text.
#include "core/numberreading.h"
#include "fuzzinput.h"
#include "referencenumber.h"

#include <string>

using namespace Corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text = Fuzz::asText(data, size);
    const auto value = NumberReading::wholeText32(text);

    if (text.size() <= Fuzz::Reference::kMaxReferenceLength) {
        const auto expected = Fuzz::Reference::wholeText(text, INT32_MAX);
        Fuzz::check(value.has_value() == expected.has_value(),
                    "wholeText32 accepts what the reference accepts", text);
        if (value)
            Fuzz::check(*value == *expected, "wholeText32 agrees with the reference", text);
    }

    const std::string padded = " \t" + std::string(text) + "\t ";
    Fuzz::check(NumberReading::wholeText32(padded) == value,
                "blanks around the text change nothing", text);
    return 0;
}
