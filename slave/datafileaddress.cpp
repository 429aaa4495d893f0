// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "slave/datafileaddress.h"

#include "core/characters.h"
#include "core/numberreading.h"

#include <limits>

namespace Corvane::Slave {
namespace {

using Errors::ErrorCode;

constexpr std::int32_t kMaxFile = 999;
constexpr std::int32_t kMaxWord = 9999;
constexpr std::int32_t kMaxBit = 15;
constexpr std::int32_t kMaxBitNumber = 159999;
constexpr std::int32_t kBitsPerWord = 16;

enum class LetterGroup { Data, InputOutput, None };

LetterGroup groupOf(char letter)
{
    switch (Text::toUpper(letter)) {
    case 'A':
    case 'B':
    case 'C':
    case 'D':
    case 'F':
    case 'N':
    case 'R':
    case 'S':
    case 'T':
        return LetterGroup::Data;
    case 'I':
    case 'O':
        return LetterGroup::InputOutput;
    default:
        return LetterGroup::None;
    }
}

// Files 0 to 8 belong to one letter each; file 9 to none.
bool isOwnLetter(std::int32_t file, char letter)
{
    static constexpr char kOwnLetters[] = "OISBTCRNF";
    return file >= 0 && file <= 8 && Text::toUpper(letter) == kOwnLetters[file];
}

// The number of bytes of the first character of UTF-8 text, so that a typed
// non-ASCII character counts as one (unrecognised) type letter.
std::size_t firstCharacterLength(std::string_view text)
{
    if (text.empty())
        return 0;
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 1;
    if (lead >= 0xF0)
        length = 4;
    else if (lead >= 0xE0)
        length = 3;
    else if (lead >= 0xC0)
        length = 2;
    return length <= text.size() ? length : text.size();
}

// A number field that holds a value outside the 32-bit range leaves its
// output as it was.
void readField(std::string_view field, std::int32_t &target, std::string_view name,
               NumberReading::FieldReadings *readings)
{
    const auto number = NumberReading::leadingNumber(field);
    if (number.inRange)
        target = number.value;
    if (readings)
        readings->add({name, field, target, number.notes});
}

// I and O bits are typed in octal: 0 to 7 and 10 to 17.
bool isValidOctalBit(std::int32_t bit) { return bit >= 0 && bit <= 17 && bit != 8 && bit != 9; }

} // namespace

DataFileAddress ParseDataFile(std::string_view text, std::int32_t count, Errors::ErrorState &error,
                              NumberReading::FieldReadings *readings)
{
    const std::size_t letterLength = firstCharacterLength(text);
    const char letter = letterLength == 1 ? text[0] : '\0';
    const std::string_view rest = text.substr(letterLength);
    const std::size_t colon = rest.find(':');
    const std::size_t slash = rest.find('/');
    const bool hasColon = colon != std::string_view::npos;
    const bool hasSlash = slash != std::string_view::npos;
    // At least one character between ":" and "/".
    const bool wordAndBitShape = hasColon && hasSlash && slash >= colon + 2;
    const bool isFloat = Text::toUpper(letter) == 'F';

    DataFileAddress out;
    out.count = count;
    std::int32_t bitNumber = 0;

    if (isFloat && count <= std::numeric_limits<std::int32_t>::max() / 2 &&
        count >= std::numeric_limits<std::int32_t>::min() / 2)
        out.count = count * 2;

    switch (groupOf(letter)) {
    case LetterGroup::Data:
        if (!hasColon && !hasSlash) {
            error.raise(ErrorCode::BadDataFileShape);
        } else if (!hasColon) {
            if (isFloat)
                error.raise(ErrorCode::BadDataFileShape);
            readField(rest.substr(0, slash), out.file, "address file number", readings);
            readField(rest.substr(slash + 1), bitNumber, "address bit number", readings);
            if (bitNumber > kMaxBit) {
                out.word = bitNumber / kBitsPerWord;
                out.bit = bitNumber - kBitsPerWord * out.word;
            } else {
                out.word = 0;
                out.bit = bitNumber;
            }
        } else if (!hasSlash) {
            readField(rest.substr(0, colon), out.file, "address file number", readings);
            readField(rest.substr(colon + 1), out.word, "address word", readings);
        } else if (wordAndBitShape) {
            if (isFloat)
                error.raise(ErrorCode::BadDataFileShape);
            readField(rest.substr(0, colon), out.file, "address file number", readings);
            const std::string_view afterColon = rest.substr(colon + 1);
            const std::size_t bitSlash = afterColon.find('/');
            readField(afterColon.substr(0, bitSlash), out.word, "address word", readings);
            readField(afterColon.substr(bitSlash + 1), out.bit, "address bit", readings);
            if (out.bit < 0 || out.bit > kMaxBit)
                error.raise(ErrorCode::BadDataFileShape);
        } else {
            out.file = -1;
        }
        break;
    case LetterGroup::InputOutput:
        out.file = Text::toUpper(letter) == 'I' ? 1 : 0;
        if (!hasColon && !hasSlash) {
            error.raise(ErrorCode::BadDataFileShape);
        } else if (hasColon && !hasSlash) {
            readField(rest.substr(colon + 1), out.word, "address word", readings);
        } else if (wordAndBitShape) {
            const std::string_view afterColon = rest.substr(colon + 1);
            const std::size_t bitSlash = afterColon.find('/');
            readField(afterColon.substr(0, bitSlash), out.word, "address word", readings);
            readField(afterColon.substr(bitSlash + 1), out.bit, "address bit", readings);
            if (!isValidOctalBit(out.bit))
                error.raise(ErrorCode::BadDataFileShape);
            if (out.bit > 7)
                out.bit -= 2;
        } else {
            out.file = -1;
        }
        break;
    case LetterGroup::None:
        error.raise(ErrorCode::BadDataFileShape);
        break;
    }

    if (out.file < 0 || out.file > kMaxFile || out.word < 0 || out.word > kMaxWord ||
        bitNumber < 0 || bitNumber > kMaxBitNumber || out.bit < 0 || out.bit > kMaxBit)
        error.raise(ErrorCode::DataFileOutOfRange);

    if (out.file == 9 || (out.file >= 0 && out.file <= 8 && !isOwnLetter(out.file, letter)))
        error.raise(ErrorCode::ReservedFile);

    return out;
}

} // namespace Corvane::Slave
