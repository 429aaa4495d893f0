// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/answer.h"
#include "answers/output.h"

namespace Corvane::Answers {

// An answer as plain text: the answer on `out` with a second line of
// details, or the error box's title and message lines on `err`.
// "file 7 word 4 modicon 40001-40010\n"
// "holding registers (4X): offsets 0-9 (0x0000-0x0009), 6-digit 400001-400010;
//  read with 03, write with 06, 16\n"
void writeText(const Answer &answer, Output &out, Output &err);

} // namespace Corvane::Answers
