// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "cli/commandline.h"
#include "cli/files.h"
#include "cli/stopping.h"

#include <string>
#include <vector>

int main(int argc, char **argv)
{
    const std::vector<std::string> arguments(argv, argv + argc);
    // Binary mode on Windows, so that the bytes written are those of Linux.
    Corvane::Cli::StandardStreams standard;
    Corvane::Cli::catchStopSignals();
    return Corvane::Cli::runCommandLine(arguments, {standard.in, standard.out, standard.err});
}
