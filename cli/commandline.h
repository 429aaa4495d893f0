// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/input.h"
#include "answers/output.h"

#include <string>
#include <vector>

// The command line of corvane-cli: the subcommands of subcommands.h, and
// --jsonl. Exit statuses: see exitstatus.h.
namespace Corvane::Cli {

// Where a run reads and writes: the process's standard streams, or texts in
// memory for the tests.
struct Streams {
    Answers::ByteSource &in;
    Answers::ByteSink &out;
    Answers::ByteSink &err;
};

// Runs one command line; `arguments` starts with the program name. Every
// failure to read or write, and running out of memory, ends in a message on
// `err` and a status of its own.
// {"corvane-cli", "slave", "N7:4/5", "6", "10"} -> prints
// "file 7 word 4 modicon 1-15" and its details, returns 0.
int runCommandLine(const std::vector<std::string> &arguments, const Streams &streams);

// The texts of the subcommands that take positional texts may begin with
// "-" ("-5", "-.5"): every argument after the subcommand that is not one of
// its options is moved behind "--", so that the parser never takes a text
// for an option.
// {"p", "slave", "N7:0", "-.5", "--json", "1"} -> {"p", "slave", "--json", "--", "N7:0", "-.5",
// "1"}
std::vector<std::string> separatePositionals(const std::vector<std::string> &arguments);

} // namespace Corvane::Cli
