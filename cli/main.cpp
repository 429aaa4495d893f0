#include "cli/commandline.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    // The batch and JSON Lines streams are large; C stdio need not follow.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv, argv + argc);
    return Corvane::Cli::runCommandLine(arguments, std::cin, std::cout, std::cerr);
}
