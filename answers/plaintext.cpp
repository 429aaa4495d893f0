// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/plaintext.h"

#include "errors/errormessages.h"

namespace Corvane::Answers {

void writeText(const Answer &answer, Output &out, Output &err)
{
    switch (answer.status) {
    case Status::Translated:
        if (answer.slave) {
            out.write("file ");
            out.number(answer.file);
            out.write(" word ");
            out.number(answer.word);
            out.write(" modicon ");
            out.number(answer.range->start);
            out.put('-');
            out.number(*answer.range->end);
        } else {
            out.write(answer.address);
        }
        out.put('\n');
        if (const auto details = detailsOf(answer)) {
            out.write(detailsLine(*details));
            out.put('\n');
        }
        break;
    case Status::Refused:
        err.write(Errors::kErrorBoxTitle);
        err.put('\n');
        for (std::string_view line : Errors::errorLines(answer.code)) {
            err.write(line);
            err.put('\n');
        }
        break;
    case Status::Invalid:
        err.write(answer.error);
        err.put('\n');
        break;
    }
}

} // namespace Corvane::Answers
