#include "master/mastertranslation.h"

#include "core/numberreading.h"

#include <array>

namespace Corvane::Master {
namespace {

using namespace std::string_view_literals;

struct FileCodeRow {
    std::string_view command;
    std::string_view plc5Digit;
    std::string_view plc3Letter;
};

// Read and write commands share codes; 05 takes the codes of 02, and 06 the
// digit of the holding registers but the letter of the input registers.
constexpr std::array kFileCodes{
    FileCodeRow{" 01 - Read Coil Status  (0X)"sv, "0"sv, "B"sv},
    FileCodeRow{" 02 - Read Input Status  (1X)"sv, "1"sv, "F"sv},
    FileCodeRow{" 03 - Read Holding Registers  (4X)"sv, "4"sv, "N"sv},
    FileCodeRow{" 04 - Read Input Registers  (3X)"sv, "3"sv, "S"sv},
    FileCodeRow{" 05 - Force Single Coil  (0X)"sv, "1"sv, "F"sv},
    FileCodeRow{" 06 - Pre-set Single Register  (4X)"sv, "4"sv, "S"sv},
    FileCodeRow{" 08 - Diagnostics"sv, "8"sv, "D"sv},
    FileCodeRow{" 15 - Force Multiple Coils  (0X)"sv, "0"sv, "B"sv},
    FileCodeRow{" 16 - Pre-set Multiple Registers  (4X)"sv, "4"sv, "N"sv},
};

constexpr std::string_view kReadMessageType = " Read"sv;

bool within(int value, int low, int high) { return value >= low && value <= high; }

// 1-255, 1000-1255, 2000-2255 ... up to `highestBlock`000-`highestBlock`255.
bool inRegisterSet(std::int16_t registerNumber, int highest)
{
    return within(registerNumber, 1, highest) && registerNumber % 1000 <= 255;
}

// The thousands digit and the word of a register in the NXYZ:Z and NYXZ:Z
// formats: 1005 -> "1", "005"; 5 -> "0", "5".
struct ThousandsSplit {
    std::string thousands;
    std::string word;
};

ThousandsSplit splitThousands(std::int16_t registerNumber)
{
    const std::string text = std::to_string(registerNumber);
    if (registerNumber > 999)
        return {text.substr(0, 1), text.substr(1, 3)};
    return {"0", text};
}

} // namespace

std::string_view CommandFileCode(std::string_view command, PlcType plc)
{
    for (const auto &row : kFileCodes) {
        if (row.command == command)
            return plc == PlcType::Plc3 ? row.plc3Letter : row.plc5Digit;
    }
    return {};
}

std::string FormatXYY(std::string_view command, std::string_view, std::int16_t slaveAddress,
                      std::int16_t registerNumber)
{
    std::string fileCode(CommandFileCode(command, PlcType::Plc5));
    std::string slave = std::to_string(slaveAddress);
    if (slaveAddress < 10)
        slave = "0" + slave;
    if (fileCode == "0") {
        fileCode.clear();
        slave = std::to_string(slaveAddress);
    }
    return "N" + fileCode + slave + ":" + std::to_string(registerNumber);
}

std::string FormatXYZ(std::string_view command, std::string_view, std::int16_t slaveAddress,
                      std::int16_t registerNumber)
{
    std::string fileCode(CommandFileCode(command, PlcType::Plc5));
    if (fileCode == "0")
        fileCode.clear();
    const ThousandsSplit split = splitThousands(registerNumber);
    return "N" + fileCode + std::to_string(slaveAddress) + split.thousands + ":" + split.word;
}

std::string FormatYXZ(std::string_view command, std::string_view, std::int16_t slaveAddress,
                      std::int16_t registerNumber)
{
    std::string fileCode(CommandFileCode(command, PlcType::Plc5));
    std::string slave = std::to_string(slaveAddress - 1);
    // The file code may be dropped only when the slave digit before it is.
    if (slave == "0") {
        slave.clear();
        if (fileCode == "0")
            fileCode.clear();
    }
    const ThousandsSplit split = splitThousands(registerNumber);
    return "N" + slave + fileCode + split.thousands + ":" + split.word;
}

std::string FormatPLC3(std::string_view command, std::string_view, std::int16_t slaveAddress,
                       std::int16_t registerNumber)
{
    return std::string(CommandFileCode(command, PlcType::Plc3)) + std::to_string(slaveAddress) +
           ":" + std::to_string(registerNumber);
}

MasterRequest ReadMasterInputs(const MasterWindowState &state)
{
    MasterRequest request;
    request.command = std::string(state.command);
    request.subfunction = std::string(state.subfunction);
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
