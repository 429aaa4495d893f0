// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "master/mastertranslation.h"

#include "core/numberreading.h"
#include "core/protocoladdress.h"
#include "master/commands.h"
#include "master/messagetype.h"

namespace Corvane::Master {
namespace {

bool within(int value, int low, int high) { return value >= low && value <= high; }

// 1-255, 1000-1255, 2000-2255 and so on, up to `highest` (5255 or 9255).
bool inRegisterSet(std::int16_t registerNumber, int highest)
{
    return within(registerNumber, 1, highest) && registerNumber % 1000 <= kRegisterSetLastWord;
}

bool fails(const ValidationCheck &check, const MasterWindowState &state, std::int16_t slaveAddress,
           std::int16_t registerNumber)
{
    switch (check.what) {
    case Checked::Register:
        return !within(registerNumber, check.low, check.high);
    case Checked::Slave:
        return !within(slaveAddress, check.low, check.high);
    case Checked::RegisterSetOfSlave:
        return within(slaveAddress, check.slaveLow, check.slaveHigh) &&
               !inRegisterSet(registerNumber, check.high);
    case Checked::BroadcastRead:
        break;
    }
    return slaveAddress == 0 && state.messageType == kReadMessageType;
}

} // namespace

namespace {

// A whole-text field into `target`, which keeps its -1 when the text does not
// convert.
void readWholeText(std::string_view name, std::string_view text, std::int16_t &target,
                   NumberReading::FieldReadings *readings)
{
    const NumberReading::WholeTextReading reading = NumberReading::readWholeText16(text);
    if (reading.value)
        target = static_cast<std::int16_t>(*reading.value);
    if (readings)
        readings->add({name, text, target, reading.notes, 16});
}

} // namespace

MasterRequest ReadMasterInputs(const MasterWindowState &state,
                               NumberReading::FieldReadings *readings)
{
    MasterRequest request;
    request.command = state.command;
    request.subfunction = state.subfunction;
    readWholeText("register", state.registerText, request.registerNumber, readings);
    readWholeText("slave", state.slaveAddressText, request.slaveAddress, readings);
    return request;
}

Errors::ErrorCode ValidateMaster(const MasterWindowState &state, std::int16_t slaveAddress,
                                 std::int16_t registerNumber, Errors::ErrorState &error)
{
    for (const ValidationCheck &check : schemeRow(state.scheme()).checks) {
        if (fails(check, state, slaveAddress, registerNumber)) {
            error.raise(check.code);
            return check.code;
        }
    }
    // Code 0 also when every check passed; only the flag tells the two apart.
    return Errors::ErrorCode{};
}

MasterAnswer TranslateMaster(const MasterWindowState &state, NumberReading::FieldReadings *readings)
{
    MasterAnswer answer;
    const MasterRequest request = ReadMasterInputs(state, readings);
    ValidateMaster(state, request.slaveAddress, request.registerNumber, answer.error);
    if (!answer.ok() || !state.masterMode)
        return answer;
    answer.address = schemeRow(state.scheme())
                         .compose(request.command, request.subfunction, request.slaveAddress,
                                  request.registerNumber);
    return answer;
}

std::optional<Modbus::ModiconRange> requestRange(std::string_view command,
                                                 std::string_view registerText)
{
    const ModbusCommand *known = commandWithText(command);
    const auto registerNumber = NumberReading::wholeText16(registerText);
    if (!known || !known->table || !registerNumber)
        return std::nullopt;
    return Modbus::ModiconRange{
        *known->table, Modbus::modiconNumber(*known->table, *registerNumber), std::nullopt};
}

} // namespace Corvane::Master
