#include "master/decode.h"

#include "core/errorstate.h"

#include <array>

namespace Corvane::Master {
namespace {

using namespace std::string_view_literals;

constexpr std::array kSchemes{
    AddressingScheme{PlcType::Plc5, AddressFormat::XYY},
    AddressingScheme{PlcType::Plc5, AddressFormat::XYZ},
    AddressingScheme{PlcType::Plc5, AddressFormat::YXZ},
    AddressingScheme{PlcType::Plc3, AddressFormat::XYY},
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool allDigits(std::string_view text)
{
    for (char c : text) {
        if (!isDigit(c))
            return false;
    }
    return !text.empty();
}

// The value of a run of at most four digits; longer runs lie outside every
// accepted slave address and register, so they are not read at all.
std::optional<std::int16_t> smallNumber(std::string_view digits)
{
    if (digits.size() > 4 || !allDigits(digits))
        return std::nullopt;
    std::int16_t value = 0;
    for (char c : digits)
        value = static_cast<std::int16_t>(value * 10 + (c - '0'));
    return value;
}

// The address taken apart as the compositions build it: letter, file number
// digits, ":", word digits.
struct AddressParts {
    char letter = 0;
    std::string_view file;
    std::string_view word;
};

std::optional<AddressParts> splitAddress(std::string_view address)
{
    const std::size_t colon = address.find(':');
    if (address.empty() || colon == std::string_view::npos)
        return std::nullopt;
    AddressParts parts{address.front(), address.substr(1, colon - 1), address.substr(colon + 1)};
    const bool letter = (parts.letter >= 'A' && parts.letter <= 'Z') ||
                        (parts.letter >= 'a' && parts.letter <= 'z');
    if (!letter || !allDigits(parts.file) || !allDigits(parts.word))
        return std::nullopt;
    return parts;
}

struct Candidate {
    const ModbusCommand *command;
    std::int16_t slaveAddress;
    std::int16_t registerNumber;
};

// In "NXYZ:Z" and "NYXZ:Z" the last digit of the file number is the register's
// thousands digit; with 0 the word is the whole register, otherwise its last
// three digits.
std::optional<std::int16_t> registerFromThousands(char thousands, std::string_view word)
{
    const auto low = smallNumber(word);
    if (!low)
        return std::nullopt;
    return static_cast<std::int16_t>((thousands - '0') * 1000 + *low);
}

// Inverts one composition: for each command, the slave address and register
// that its pieces would have to come from. Candidates are only proposals;
// DecodeAddress keeps those that validate and compose back exactly.
std::vector<Candidate> candidatesFor(const AddressParts &parts, const AddressingScheme &scheme)
{
    std::vector<Candidate> candidates;
    const std::string_view file = parts.file;
    for (const ModbusCommand &command : modbusCommands()) {
        const std::string_view code = CommandFileCode(command.text, scheme.plc);
        const auto propose = [&](std::optional<std::int16_t> slave,
                                 std::optional<std::int16_t> reg) {
            if (slave && reg)
                candidates.push_back({&command, *slave, *reg});
        };
        if (scheme.plc == PlcType::Plc3) {
            if (std::string_view(&parts.letter, 1) == code)
                propose(smallNumber(file), smallNumber(parts.word));
            continue;
        }
        const char thousands = file.back();
        const std::string_view head = file.substr(0, file.size() - 1);
        switch (scheme.format) {
        case AddressFormat::XYY:
            // File number = code + slave as two digits, or the bare slave for code "0".
            if (code == "0")
                propose(smallNumber(file), smallNumber(parts.word));
            else if (file.size() == 3 && file.substr(0, 1) == code)
                propose(smallNumber(file.substr(1)), smallNumber(parts.word));
            break;
        case AddressFormat::XYZ:
            // File number = code (omitted when "0") + slave digit + thousands digit.
            if (code == "0" && head.size() == 1)
                propose(smallNumber(head), registerFromThousands(thousands, parts.word));
            else if (code != "0" && head.size() == 2 && head.substr(0, 1) == code)
                propose(smallNumber(head.substr(1)), registerFromThousands(thousands, parts.word));
            break;
        case AddressFormat::YXZ:
            // File number = (slave - 1), omitted when 0 + code, omitted when it and
            // the slave digit are "0" + thousands digit.
            for (std::int16_t slave = 1; slave <= 3; ++slave) {
                std::string expected = slave == 1 ? "" : std::to_string(slave - 1);
                if (!(slave == 1 && code == "0"))
                    expected += code;
                if (head == expected)
                    propose(slave, registerFromThousands(thousands, parts.word));
            }
            break;
        }
    }
    return candidates;
}

std::string compose(const AddressingScheme &scheme, const Candidate &candidate)
{
    const std::string_view text = candidate.command->text;
    if (scheme.plc == PlcType::Plc3)
        return FormatPLC3(text, {}, candidate.slaveAddress, candidate.registerNumber);
    switch (scheme.format) {
    case AddressFormat::XYZ:
        return FormatXYZ(text, {}, candidate.slaveAddress, candidate.registerNumber);
    case AddressFormat::YXZ:
        return FormatYXZ(text, {}, candidate.slaveAddress, candidate.registerNumber);
    case AddressFormat::XYY:
        break;
    }
    return FormatXYY(text, {}, candidate.slaveAddress, candidate.registerNumber);
}

bool accepted(const AddressingScheme &scheme, std::string_view messageType,
              const Candidate &candidate)
{
    MasterWindowState state;
    state.plc = scheme.plc;
    state.format = scheme.format;
    state.messageType = messageType;
    state.command = candidate.command->text;
    ErrorState error;
    ValidateMaster(state, candidate.slaveAddress, candidate.registerNumber, error);
    return !error.flag;
}

std::span<const std::string_view> messageTypesOf(const ModbusCommand &command)
{
    static constexpr std::array kBoth{kReadMessageType, kWriteMessageType};
    switch (command.direction) {
    case CommandDirection::Read:
        return std::span(kBoth).first(1);
    case CommandDirection::Write:
        return std::span(kBoth).last(1);
    case CommandDirection::Either:
        break;
    }
    return kBoth;
}

// A word that is a register of 1 to `highest` written as the compositions
// write it: no leading zeros.
bool plainRegister(std::string_view word, int highest)
{
    const auto value = smallNumber(word);
    return value && *value >= 1 && *value <= highest && word.front() != '0';
}

// The word of "NXYZ:Z" and "NYXZ:Z": the whole register when the thousands
// digit is 0, otherwise exactly three digits; never above `highestWord`.
bool splitWord(char thousands, std::string_view word, int highestWord)
{
    const auto value = smallNumber(word);
    if (!value || *value > highestWord)
        return false;
    if (thousands == '0')
        return *value >= 1 && word.front() != '0';
    return word.size() == 3;
}

// The first rule of the scheme that the address breaks, for an address into
// which no request composes.
std::string explainNone(std::string_view address, const AddressingScheme &scheme)
{
    const auto parts = splitAddress(address);
    if (!parts)
        return "not a data table address: a file type letter, a file number, \":\" and a "
               "word are expected, as in N451:234";
    const std::string_view file = parts->file;
    const std::string_view word = parts->word;
    if (scheme.plc == PlcType::Plc3) {
        if (std::string_view("BFNSD").find(parts->letter) == std::string_view::npos)
            return "the file type letter must be the letter of a command: B (01, 15), "
                   "F (02, 05), N (03, 16), S (04, 06) or D (08)";
        const auto slave = smallNumber(file);
        if (!slave || *slave > 255 || (file.size() > 1 && file.front() == '0'))
            return "the file number must be a slave address from 0 to 255, without leading "
                   "zeros";
        if (!plainRegister(word, 9999))
            return "the word must be a start register or coil from 1 to 9999, without "
                   "leading zeros";
    } else {
        if (parts->letter != 'N')
            return "PLC-5 messages always target an integer file: the letter must be N";
        const char thousands = file.back();
        switch (scheme.format) {
        case AddressFormat::XYY:
            if (!plainRegister(word, 9999))
                return "the word must be a start register or coil from 1 to 9999, without "
                       "leading zeros";
            return "the file number must be a slave address from 1 to 99 (coil commands 01 "
                   "and 15), or a function digit 1, 3, 4 or 8 followed by a two-digit slave "
                   "address from 01 to 99";
        case AddressFormat::XYZ:
            if (!splitWord(thousands, word, 999))
                return "the word must be the register itself (1 to 999, no leading zeros) "
                       "when the file number ends in 0, otherwise the register's last three "
                       "digits (000 to 999)";
            return "the file number must be a function digit 1, 3, 4 or 8 (none for coil "
                   "commands 01 and 15), a slave address from 1 to 9 and the register's "
                   "thousands digit";
        case AddressFormat::YXZ:
            if (!splitWord(thousands, word, 255))
                return "the word must be the register's last three digits, 0 to 255 (register "
                       "sets 1-255, 1000-1255, 2000-2255, ...), written without leading zeros "
                       "when the file number ends in 0";
            if (thousands > '5' && file.size() == 3 && file.front() == '2')
                return "slave address 3 takes registers up to 5255 only";
            return "the file number must be the slave address less one (none for slave 1), "
                   "a function digit 1, 3, 4 or 8 (none for coil commands 01 and 15 with "
                   "slave 1) and the register's thousands digit";
        }
    }
    return "no request of the nine Modbus commands composes into this address";
}

} // namespace

std::span<const AddressingScheme> addressingSchemes() { return kSchemes; }

std::string_view schemeName(const AddressingScheme &scheme)
{
    if (scheme.plc == PlcType::Plc3)
        return "PLC-3";
    switch (scheme.format) {
    case AddressFormat::XYZ:
        return "NXYZ:Z";
    case AddressFormat::YXZ:
        return "NYXZ:Z";
    case AddressFormat::XYY:
        break;
    }
    return "NXYY:Z";
}

Decoding DecodeAddress(std::string_view address, const AddressingScheme &scheme)
{
    Decoding decoding;
    decoding.scheme = scheme;
    if (const auto parts = splitAddress(address)) {
        for (const Candidate &candidate : candidatesFor(*parts, scheme)) {
            if (compose(scheme, candidate) != address)
                continue;
            for (std::string_view messageType : messageTypesOf(*candidate.command)) {
                if (accepted(scheme, messageType, candidate))
                    decoding.requests.push_back({candidate.command, messageType,
                                                 candidate.slaveAddress, candidate.registerNumber});
            }
        }
    }
    if (decoding.requests.empty())
        decoding.whyNone = explainNone(address, scheme);
    return decoding;
}

} // namespace Corvane::Master
