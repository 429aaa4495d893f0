// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/answer.h"

#include <variant>

namespace Corvane::Answers {

namespace {

// An answer of the rules: refused with the error box's code, or translated.
Answer answerOf(const Errors::ErrorState &error, bool slave)
{
    Answer answer;
    answer.slave = slave;
    answer.status = error.flag ? Status::Refused : Status::Translated;
    answer.code = error.code;
    return answer;
}

} // namespace

Answer translateSlave(const Slave::SlaveFieldTexts &texts)
{
    NumberReading::FieldReadings readings;
    const Slave::SlaveAnswer slave = Slave::TranslateSlave(texts, &readings);
    Answer answer = answerOf(slave.error, true);
    answer.warnings = warningsOf(readings);
    for (const NumberReading::FieldReading &reading : readings.read())
        answer.emptyRun = answer.emptyRun || (reading.field == "count" && reading.value == 0);
    if (slave.ok()) {
        answer.file = slave.fileValue;
        answer.word = slave.wordValue;
        answer.range = Slave::answerRange(slave);
    }
    return answer;
}

Answer translateMaster(const Master::MasterWindowState &state)
{
    NumberReading::FieldReadings readings;
    const Master::MasterAnswer master = Master::TranslateMaster(state, &readings);
    Answer answer = answerOf(master.error, false);
    answer.warnings = warningsOf(readings);
    if (master.ok()) {
        answer.address = master.address;
        answer.range = Master::requestRange(state.command, state.registerText);
    }
    return answer;
}

Answer translate(const Request &request, Readings readings)
{
    Answer answer;
    if (const auto *slave = std::get_if<SlaveTexts>(&request)) {
        answer = translateSlave({slave->address, slave->start, slave->count});
    } else {
        const auto resolved = resolveMaster(std::get<MasterTexts>(request));
        if (const auto *error = std::get_if<RequestError>(&resolved))
            return invalid(error->message);
        answer = translateMaster(std::get<Master::MasterWindowState>(resolved));
    }
    return withReadings(std::move(answer), readings);
}

Answer withReadings(Answer answer, Readings readings)
{
    if (readings == Readings::Warn || answer.warnings.empty())
        return answer;
    std::vector<Warning> warnings = std::move(answer.warnings);
    answer = invalid(joinedWarnings(warnings) + " (refused: the readings are strict)");
    answer.warnings = std::move(warnings);
    return answer;
}

std::optional<Details> detailsOf(const Answer &answer)
{
    std::optional<Details> details;
    if (answer.range)
        details.emplace(*answer.range);
    return details;
}

Answer invalid(std::string error)
{
    Answer answer;
    answer.status = Status::Invalid;
    answer.error = std::move(error);
    return answer;
}

} // namespace Corvane::Answers
