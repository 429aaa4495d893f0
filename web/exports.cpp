// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "web/exports.h"

#include "master/decode.h"
#include "master/mastertranslation.h"
#include "slave/slavetranslation.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace Corvane::Web {
namespace {

std::vector<char> g_input;
FlatAnswer g_answer;

// Takes the texts of the input buffer apart by their lengths.
template <std::size_t N>
std::array<std::string_view, N> inputTexts(const std::array<std::size_t, N> &lengths)
{
    std::array<std::string_view, N> texts;
    std::size_t at = 0;
    for (std::size_t i = 0; i < N; ++i) {
        texts[i] = std::string_view(g_input.data() + at, lengths[i]);
        at += lengths[i];
    }
    return texts;
}

void refuse(const ErrorState &error)
{
    g_answer = FlatAnswer{};
    g_answer.code = error.code;
}

} // namespace
} // namespace Corvane::Web

using namespace Corvane;
using Web::g_answer;

extern "C" {

EMSCRIPTEN_KEEPALIVE char *corvane_input(std::size_t bytes)
{
    if (Web::g_input.size() < bytes)
        Web::g_input.resize(bytes);
    return Web::g_input.data();
}

EMSCRIPTEN_KEEPALIVE const Web::FlatAnswer *corvane_answer() { return &g_answer; }

EMSCRIPTEN_KEEPALIVE void corvane_translate_slave(std::size_t addressLength,
                                                  std::size_t startLength, std::size_t countLength)
{
    const auto [address, start, count] =
        Web::inputTexts<3>({addressLength, startLength, countLength});
    const Slave::SlaveAnswer answer = Slave::TranslateSlave({address, start, count});
    if (!answer.ok()) {
        Web::refuse(answer.error);
        return;
    }
    g_answer = Web::FlatAnswer{};
    g_answer.ok = 1;
    g_answer.file = answer.fileValue;
    g_answer.word = answer.wordValue;
    g_answer.modiconStart = answer.modiconStartValue;
    g_answer.modiconEnd = answer.modiconEndValue;
}

EMSCRIPTEN_KEEPALIVE void corvane_translate_master(std::size_t plcLength, std::size_t formatLength,
                                                   std::size_t messageTypeLength,
                                                   std::size_t commandLength,
                                                   std::size_t subfunctionLength,
                                                   std::size_t registerLength,
                                                   std::size_t slaveLength)
{
    const auto [plc, format, messageType, command, subfunction, registerText, slave] =
        Web::inputTexts<7>({plcLength, formatLength, messageTypeLength, commandLength,
                            subfunctionLength, registerLength, slaveLength});
    Master::MasterWindowState state;
    state.plc = plc == "3" ? Master::PlcType::Plc3 : Master::PlcType::Plc5;
    for (const Master::AddressingScheme &scheme : Master::addressingSchemes()) {
        if (scheme.plc == Master::PlcType::Plc5 && Master::schemeName(scheme) == format)
            state.format = scheme.format;
    }
    state.messageType = messageType;
    state.command = command;
    state.subfunction = subfunction;
    state.registerText = registerText;
    state.slaveAddressText = slave;

    const Master::MasterAnswer answer = Master::TranslateMaster(state);
    if (!answer.ok()) {
        Web::refuse(answer.error);
        return;
    }
    g_answer = Web::FlatAnswer{};
    g_answer.ok = 1;
    const std::size_t length = std::min(answer.address.size(), Web::kAnswerTextCapacity);
    std::copy_n(answer.address.data(), length, g_answer.text);
    g_answer.textLength = static_cast<std::int32_t>(length);
}
}
