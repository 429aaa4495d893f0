// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/answer.h"

#include <variant>

namespace Corvane::Answers {
namespace {

void setRange(Answer &answer, const std::optional<Modbus::ModiconRange> &range)
{
    answer.range = range;
    if (range)
        answer.details = detailsOf(*range);
}

} // namespace

Answer translateSlave(const Slave::SlaveFieldTexts &texts)
{
    const Slave::SlaveAnswer slave = Slave::TranslateSlave(texts);
    Answer answer;
    answer.slave = true;
    if (!slave.ok()) {
        answer.status = Status::Refused;
        answer.code = slave.error.code;
        return answer;
    }
    answer.status = Status::Translated;
    answer.file = slave.fileValue;
    answer.word = slave.wordValue;
    setRange(answer, Slave::answerRange(slave));
    return answer;
}

Answer translateMaster(const Master::MasterWindowState &state)
{
    const Master::MasterAnswer master = Master::TranslateMaster(state);
    Answer answer;
    if (!master.ok()) {
        answer.status = Status::Refused;
        answer.code = master.error.code;
        return answer;
    }
    answer.status = Status::Translated;
    answer.address = master.address;
    setRange(answer, Master::requestRange(state.command, state.registerText));
    return answer;
}

Answer translate(const Request &request)
{
    if (const auto *slave = std::get_if<SlaveTexts>(&request))
        return translateSlave({slave->address, slave->start, slave->count});
    const auto resolved = resolveMaster(std::get<MasterTexts>(request));
    if (const auto *error = std::get_if<RequestError>(&resolved))
        return invalid(error->message);
    return translateMaster(std::get<Master::MasterWindowState>(resolved));
}

Answer invalid(std::string error)
{
    Answer answer;
    answer.status = Status::Invalid;
    answer.error = std::move(error);
    return answer;
}

} // namespace Corvane::Answers
