#pragma once

#include "cli/commandline.h"

#include <sstream>
#include <string>
#include <vector>

namespace Corvane::Cli::Testing {

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
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    Run run;
    run.status = runCommandLine(arguments, in, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

} // namespace Corvane::Cli::Testing
