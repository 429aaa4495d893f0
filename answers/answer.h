// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/details.h"
#include "answers/request.h"
#include "answers/warnings.h"
#include "core/modiconclass.h"
#include "errors/errorcode.h"
#include "master/mastertranslation.h"
#include "slave/slavetranslation.h"

#include <cstdint>
#include <optional>
#include <string>

// What one request came to, with its details: the one answer that every face
// draws and every writer (text, JSON, CSV cells) writes.
namespace Corvane::Answers {

enum class Status {
    Translated, // the window would show an answer
    Refused,    // the window would show the error box
    Invalid,    // the request itself cannot be read
};

struct Answer {
    Status status = Status::Invalid;
    // Slave answers.
    bool slave = false;
    std::int32_t file = 0;
    std::int32_t word = 0;
    // Master answers.
    std::string address;
    // The Modicon numbers of the answer: the slave range, or where the
    // master request starts in the table of its command (none for
    // diagnostics). Their details follow from them: detailsOf(answer).
    std::optional<Modbus::ModiconRange> range;
    // Refusals: the error box's code. Invalid requests: what is wrong.
    Errors::ErrorCode code = Errors::ErrorCode{};
    std::string error;
    // The fields that a silent rule read, whatever the answer.
    std::vector<Warning> warnings;
    // A slave run of no word or bit (a count of 0): the range the rules
    // give it ends before it starts, and it maps onto no Modicon number.
    bool emptyRun = false;
};

// How strictly a face takes the silent rules: as the window does, with a
// warning beside the answer, or as a refusal of the request.
enum class Readings { Warn, Refuse };

// {"N7:4/5", "6", "10"} -> Translated, file 7, word 4, Modicon 1 to 15 in coils.
Answer translateSlave(const Slave::SlaveFieldTexts &texts);
// PLC-5, NXYZ:Z, " 03 - ...", "1234", "5" -> Translated, "N451:234", 41234 in
// holding registers.
Answer translateMaster(const Master::MasterWindowState &state);
// Resolves a master request as the command line reads it first; a bad
// selection makes it Invalid. Refuse makes a request with warnings Invalid,
// its error the warnings: count "x" holds no number: read as 0.
Answer translate(const Request &request, Readings readings = Readings::Warn);

// The answer as strict readings leave it: Invalid when it has warnings.
Answer withReadings(Answer answer, Readings readings);
Answer invalid(std::string error);

// The details of the answer's range, worked out once for each writing of an
// answer; none for an answer without Modicon numbers.
std::optional<Details> detailsOf(const Answer &answer);

} // namespace Corvane::Answers
