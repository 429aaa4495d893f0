#include "master/mastertranslation.h"

#include "core/numberreading.h"
#include "master/commands.h"

#include <array>
#include <charconv>

namespace Corvane::Master {
namespace {

using namespace std::string_view_literals;

bool within(int value, int low, int high) { return value >= low && value <= high; }

// 1-255, 1000-1255, 2000-2255 and so on, up to `highest` (5255 or 9255).
bool inRegisterSet(std::int16_t registerNumber, int highest)
{
    return within(registerNumber, 1, highest) && registerNumber % 1000 <= 255;
}

// Numbers are appended in place: an address fits the short-string buffer, so a
// composition allocates nothing.
void appendNumber(std::string &out, int value)
{
    std::array<char, 12> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

// The thousands digit, ":" and the word of a register in the NXYZ:Z and NYXZ:Z
// formats: 1005 -> "1:005"; 5 -> "0:5".
void appendThousandsAndWord(std::string &out, std::int16_t registerNumber)
{
    std::array<char, 8> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      static_cast<int>(registerNumber));
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    if (registerNumber > 999) {
        out += text.front();
        out += ':';
        out += text.substr(1, 3);
    } else {
        out += '0';
        out += ':';
        out += text;
    }
}

} // namespace

std::string_view CommandFileCode(std::string_view command, PlcType plc)
{
    const ModbusCommand *known = commandWithText(command);
    if (!known)
        return {};
    return plc == PlcType::Plc3 ? known->plc3Letter : known->plc5Digit;
}

std::string FormatXYY(std::string_view command, std::string_view, std::int16_t slaveAddress,
                      std::int16_t registerNumber)
{
    const std::string_view fileCode = CommandFileCode(command, PlcType::Plc5);
    std::string address = "N";
    // The coil digit "0" is dropped together with the zero that pads the slave.
    if (fileCode != "0") {
        address += fileCode;
        if (slaveAddress < 10)
            address += '0';
    }
    appendNumber(address, slaveAddress);
    address += ':';
    appendNumber(address, registerNumber);
    return address;
}

std::string FormatXYZ(std::string_view command, std::string_view, std::int16_t slaveAddress,
                      std::int16_t registerNumber)
{
    const std::string_view fileCode = CommandFileCode(command, PlcType::Plc5);
    std::string address = "N";
    if (fileCode != "0")
        address += fileCode;
    appendNumber(address, slaveAddress);
    appendThousandsAndWord(address, registerNumber);
    return address;
}

std::string FormatYXZ(std::string_view command, std::string_view, std::int16_t slaveAddress,
                      std::int16_t registerNumber)
{
    const std::string_view fileCode = CommandFileCode(command, PlcType::Plc5);
    const int slaveDigit = slaveAddress - 1;
    std::string address = "N";
    // The file code may be dropped only when the slave digit before it is.
    if (slaveDigit != 0) {
        appendNumber(address, slaveDigit);
        address += fileCode;
    } else if (fileCode != "0") {
        address += fileCode;
    }
    appendThousandsAndWord(address, registerNumber);
    return address;
}

std::string FormatPLC3(std::string_view command, std::string_view, std::int16_t slaveAddress,
                       std::int16_t registerNumber)
{
    std::string address(CommandFileCode(command, PlcType::Plc3));
    appendNumber(address, slaveAddress);
    address += ':';
    appendNumber(address, registerNumber);
    return address;
}

MasterRequest ReadMasterInputs(const MasterWindowState &state)
{
    MasterRequest request;
    request.command = state.command;
    request.subfunction = state.subfunction;
    if (const auto value = NumberReading::wholeText16(state.registerText))
        request.registerNumber = *value;
    if (const auto value = NumberReading::wholeText16(state.slaveAddressText))
        request.slaveAddress = *value;
    return request;
}

std::int16_t ValidateMaster(const MasterWindowState &state, std::int16_t slaveAddress,
                            std::int16_t registerNumber, ErrorState &error)
{
    struct Check {
        bool fails;
        std::int16_t code;
    };
    auto firstFailure = [&error](std::initializer_list<Check> checks) -> std::int16_t {
        for (const Check &check : checks) {
            if (check.fails) {
                error.raise(check.code);
                return check.code;
            }
        }
        return 0;
    };

    if (state.plc == PlcType::Plc3) {
        return firstFailure({
            {slaveAddress == 0 && state.messageType == kReadMessageType, 8},
            {!within(registerNumber, 1, 9999), 0},
            {!within(slaveAddress, 0, 255), 7},
        });
    }
    switch (state.format) {
    case AddressFormat::XYY:
        return firstFailure({
            {!within(registerNumber, 1, 9999), 0},
            {!within(slaveAddress, 1, 99), 1},
        });
    case AddressFormat::XYZ:
        return firstFailure({
            {!within(registerNumber, 1, 9999), 2},
            {!within(slaveAddress, 1, 9), 3},
        });
    case AddressFormat::YXZ:
        return firstFailure({
            {slaveAddress == 3 && !inRegisterSet(registerNumber, 5255), 4},
            {slaveAddress < 3 && !inRegisterSet(registerNumber, 9255), 5},
            {!within(slaveAddress, 1, 3), 6},
        });
    }
    return 0;
}

MasterAnswer TranslateMaster(const MasterWindowState &state)
{
    MasterAnswer answer;
    const MasterRequest request = ReadMasterInputs(state);
    ValidateMaster(state, request.slaveAddress, request.registerNumber, answer.error);
    if (!answer.ok() || !state.masterMode)
        return answer;

    const auto compose = [&] {
        if (state.plc == PlcType::Plc3)
            return FormatPLC3;
        switch (state.format) {
        case AddressFormat::XYZ:
            return FormatXYZ;
        case AddressFormat::YXZ:
            return FormatYXZ;
        case AddressFormat::XYY:
            break;
        }
        return FormatXYY;
    }();
    answer.address =
        compose(request.command, request.subfunction, request.slaveAddress, request.registerNumber);
    return answer;
}

} // namespace Corvane::Master
