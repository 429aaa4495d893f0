// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "master/decode.h"

#include "master/compositions.h"
#include "master/decoderules.h"
#include "master/mastertranslation.h"

#include <array>

namespace Corvane::Master {
namespace {

bool accepted(const AddressingScheme &scheme, std::string_view messageType,
              const DecodeCandidate &candidate)
{
    MasterWindowState state;
    state.plc = scheme.plc;
    state.format = scheme.format;
    state.messageType = messageType;
    state.command = candidate.command->text;
    Errors::ErrorState error;
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

} // namespace

Decoding DecodeAddress(std::string_view address, const AddressingScheme &scheme)
{
    Decoding decoding;
    decoding.scheme = scheme;
    const SchemeRow &row = schemeRow(scheme);
    const auto parts = splitAddress(address);
    if (!parts) {
        decoding.whyNone = "not a data table address: a file type letter, a file number, \":\" "
                           "and a word are expected, as in N451:234";
        return decoding;
    }
    // Each command's file code proposes the pieces it would have come from;
    // only those that validate and compose back exactly are kept.
    std::vector<DecodeCandidate> candidates;
    for (const ModbusCommand &command : modbusCommands())
        row.invert(*parts, command, CommandFileCode(command.text, scheme.plc), candidates);
    for (const DecodeCandidate &candidate : candidates) {
        if (row.compose(candidate.command->text, {}, candidate.slaveAddress,
                        candidate.registerNumber) != address)
            continue;
        for (std::string_view messageType : messageTypesOf(*candidate.command)) {
            if (accepted(scheme, messageType, candidate))
                decoding.requests.push_back({candidate.command, messageType, candidate.slaveAddress,
                                             candidate.registerNumber});
        }
    }
    if (decoding.requests.empty())
        decoding.whyNone = row.explain(*parts, row);
    return decoding;
}

} // namespace Corvane::Master
