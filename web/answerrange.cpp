// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "web/answerrange.h"

#include "core/numberreading.h"
#include "core/protocoladdress.h"
#include "master/commands.h"
#include "master/details.h"

namespace Corvane::Web {

std::optional<AnswerRange> slaveAnswerRange(const Slave::SlaveAnswer &answer)
{
    if (!answer.ok())
        return std::nullopt;
    const auto table = Modbus::modiconClassOf(answer.modiconEndValue);
    if (!table)
        return std::nullopt;
    return AnswerRange{*table, answer.modiconStartValue, answer.modiconEndValue};
}

std::optional<AnswerRange> masterAnswerRange(std::string_view command,
                                             std::string_view registerText)
{
    const Master::ModbusCommand *known = Master::commandWithText(command);
    const auto registerNumber = NumberReading::wholeText16(registerText);
    if (!known || !known->table || !registerNumber)
        return std::nullopt;
    return AnswerRange{*known->table, Modbus::modiconNumber(*known->table, *registerNumber),
                       std::nullopt};
}

std::string detailsOf(const std::optional<AnswerRange> &range)
{
    if (!range)
        return {};
    return Master::detailsLine(range->table, range->start, range->end);
}

} // namespace Corvane::Web
