// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/input.h"
#include "answers/mappingtable.h"
#include "answers/output.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// What every subcommand of corvane-cli shares: where it reads and writes,
// how it speaks on standard error, and how a run ends as an exit status.
namespace Corvane::Cli {

using Answers::InputBuffer;
using Answers::Output;

struct Context {
    Answers::ByteSource &in;
    Output &out;
    Output &err;
    const Answers::ByteSink &outSink; // where `out` goes, to tell it from the input
};

// One line of a message: the program's name and the parts, their control
// characters escaped so that it stays one line.
// {"cannot read ", "table.csv", ": Is a directory"} -> "corvane-cli: cannot read table.csv: Is a
// directory\n"
void writeMessage(Output &err, std::initializer_list<std::string_view> parts);

// A usage error: one line with a hint, and status 1.
// ("unknown option --x", "slave") -> "corvane-cli: unknown option --x (try 'corvane-cli slave
// --help')"
int usageError(Output &err, const std::string &message, std::string_view subcommand = {});

// Runs `body` on an input: "-" is standard input, anything else a file. A
// file that cannot be opened or read ends in a message and status 3; a read
// error behind a failed output is not worth one.
int withInput(const std::string &path, Context &context,
              const std::function<int(InputBuffer &)> &body);

// The status of a run over a table or a stream: its problem on standard
// error and status 2, status 2 when not clean, 0 otherwise. A run stopped by
// a signal says after which row (or line, `unit`) it stopped, and ends with
// 128 and the signal's number.
int runStatus(const Answers::RunResult &result, const InputBuffer &input, Context &context,
              std::string_view unit = "row");

} // namespace Corvane::Cli
