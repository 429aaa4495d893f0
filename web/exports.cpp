// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "web/exports.h"

#include "core/protocoladdress.h"
#include "master/details.h"
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

template <std::size_t N> void copyText(std::string_view text, char (&into)[N])
{
    std::copy_n(text.data(), std::min(text.size(), N - 1), into);
}

// Offsets beyond the protocol have no hex and no 6-digit form either.
void writeNumber(std::int32_t number, Modbus::ModiconClass table, std::int32_t &offset,
                 char (&hex)[kReferenceCapacity], char (&reference)[kReferenceCapacity])
{
    const Modbus::ProtocolAddress address = Modbus::protocolAddress(number, table);
    offset = address.offset.value_or(-1);
    copyText(address.offsetHex, hex);
    copyText(address.reference6, reference);
}

void writeDetails(const std::optional<Modbus::ModiconRange> &range)
{
    if (!range)
        return;
    g_answer.table = static_cast<std::int32_t>(range->table);
    g_answer.modiconStart = range->start;
    writeNumber(range->start, range->table, g_answer.startOffset, g_answer.startHex,
                g_answer.startReference);
    if (range->end) {
        g_answer.modiconEnd = *range->end;
        writeNumber(*range->end, range->table, g_answer.endOffset, g_answer.endHex,
                    g_answer.endReference);
    }
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
    g_answer = Web::FlatAnswer{};
    g_answer.code = answer.error.code;
    if (!answer.ok())
        return;
    g_answer.ok = 1;
    g_answer.file = answer.fileValue;
    g_answer.word = answer.wordValue;
    g_answer.modiconStart = answer.modiconStartValue;
    g_answer.modiconEnd = answer.modiconEndValue;
    Web::writeDetails(Slave::answerRange(answer));
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
    state.plc = Master::plcTypeNamed(plc).value_or(Master::PlcType::Plc5);
    state.format = Master::formatNamed(format).value_or(Master::AddressFormat::XYY);
    state.messageType = messageType;
    state.command = command;
    state.subfunction = subfunction;
    state.registerText = registerText;
    state.slaveAddressText = slave;

    const Master::MasterAnswer answer = Master::TranslateMaster(state);
    g_answer = Web::FlatAnswer{};
    g_answer.code = answer.error.code;
    if (!answer.ok())
        return;
    g_answer.ok = 1;
    Web::copyText(answer.address, g_answer.address);
    g_answer.addressLength =
        static_cast<std::int32_t>(std::min(answer.address.size(), Web::kAddressCapacity - 1));
    Web::writeDetails(Master::requestRange(command, registerText));
}
}
