// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// The data file address parser on any text and count. An accepted address
// lies within the data table's limits and reads back the same from its
// canonical spellings; a refused one carries one of the parser's codes.
//
// Input: an optional first line with the count as decimal text (10 without
// one), then the address text, which may hold further line feeds.
#include "core/numberreading.h"
#include "fuzzinput.h"
#include "slave/datafileaddress.h"

#include <limits>
#include <string>

using namespace Corvane;
using Errors::ErrorState;

namespace {

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameAddress(const Slave::DataFileAddress &a, const Slave::DataFileAddress &b)
{
    return a.file == b.file && a.word == b.word && a.bit == b.bit && a.count == b.count;
}

// Parses `text` afresh and checks it is accepted as `expected`.
void checkReadsBack(const std::string &text, const Slave::DataFileAddress &expected,
                    const char *what, std::string_view input)
{
    ErrorState error;
    const auto again = Slave::ParseDataFile(text, expected.count, error);
    // The count goes in already doubled, so compare the address only.
    Fuzz::check(!error.flag, what, input);
    Fuzz::check(again.file == expected.file && again.word == expected.word &&
                    again.bit == expected.bit,
                what, input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input = Fuzz::asText(data, size);
    std::string_view text = input;
    std::int32_t count = 10;
    if (const std::size_t newline = input.find('\n'); newline != std::string_view::npos) {
        count = NumberReading::wholeText32(input.substr(0, newline)).value_or(0);
        text = input.substr(newline + 1);
    }

    ErrorState error;
    const auto address = Slave::ParseDataFile(text, count, error);

    const char letter = text.empty() ? '\0' : upper(text[0]);
    const bool isFloat = letter == 'F';
    const std::int64_t doubled = std::int64_t{count} * 2;
    const bool doubles = isFloat && doubled >= std::numeric_limits<std::int32_t>::min() &&
                         doubled <= std::numeric_limits<std::int32_t>::max();
    Fuzz::check(address.count == (doubles ? doubled : count),
                "the count is doubled for floating-point files only, and only when it fits", input);

    // The parser never clears a flag raised before it and writes nothing else.
    ErrorState raised;
    raised.raise(Errors::ErrorCode{77});
    const auto withRaised = Slave::ParseDataFile(text, count, raised);
    Fuzz::check(sameAddress(address, withRaised), "a raised flag does not change the address",
                input);
    Fuzz::check(raised.flag, "the parser keeps a raised flag", input);
    Fuzz::check(raised.code == (error.flag ? error.code : 77),
                "the parser writes only its own codes", input);

    if (error.flag) {
        Fuzz::check(error.code == 9 || error.code == 12 || error.code == 13,
                    "a refused address carries code 9, 12 or 13", input);
        return 0;
    }

    Fuzz::check(address.file >= 0 && address.file <= 999, "an accepted file lies within 0 to 999",
                input);
    Fuzz::check(address.word >= 0 && address.word <= 9999, "an accepted word lies within 0 to 9999",
                input);
    Fuzz::check(address.bit >= 0 && address.bit <= 15, "an accepted bit lies within 0 to 15",
                input);
    Fuzz::check(address.file != 9, "file 9 is never accepted", input);
    static constexpr std::string_view kOwnLetters = "OISBTCRNF";
    Fuzz::check(address.file > 8 || kOwnLetters[static_cast<std::size_t>(address.file)] == letter,
                "files 0 to 8 are accepted with their own letter only", input);
    Fuzz::check(!isFloat || address.bit == 0, "a floating-point address has no bit", input);

    const std::string file = std::to_string(address.file);
    const std::string word = std::to_string(address.word);
    if (letter == 'I' || letter == 'O') {
        Fuzz::check(address.file == (letter == 'I' ? 1 : 0), "I and O fix the file number", input);
        const int octalBit = address.bit < 8 ? address.bit : address.bit + 2;
        checkReadsBack(std::string(1, letter) + ":" + word + "/" + std::to_string(octalBit),
                       address, "an I/O address reads back from its octal spelling", input);
        return 0;
    }
    checkReadsBack(std::string(1, letter) + file + ":" + word,
                   {address.file, address.word, 0, address.count},
                   "an address reads back from its word form", input);
    if (!isFloat) {
        checkReadsBack(std::string(1, letter) + file + ":" + word + "/" +
                           std::to_string(address.bit),
                       address, "an address reads back from its word-and-bit form", input);
        checkReadsBack(std::string(1, letter) + file + "/" +
                           std::to_string(address.word * 16 + address.bit),
                       address, "an address reads back from its bit-file form", input);
    }
    return 0;
}
