// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "cli/commandline.h"
#include "tests/support/bytestreams.h"

#include <string>
#include <vector>

namespace Corvane::Testing {

// What one command line left behind.
struct Run {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the command line as the program would, with `input` as standard input.
inline Run runCli(std::vector<std::string> arguments, const std::string &input = {})
{
    arguments.insert(arguments.begin(), "corvane-cli");
    StringSource in(input);
    StringSink out;
    StringSink err;
    Run run;
    run.status = Cli::runCommandLine(arguments, {in, out, err});
    run.out = out.text;
    run.err = err.text;
    return run;
}

} // namespace Corvane::Testing
