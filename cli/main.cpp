#include "cli/commandline.h"

#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char **argv)
{
#ifdef _WIN32
    // Windows would turn every '\n' written into "\r\n" and a CSV row's
    // "\r\n" into "\r\r\n"; the output is the same bytes as on Linux, and
    // CRLF input is handled by the readers themselves.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    // The batch and JSON Lines streams are large; C stdio need not follow.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv, argv + argc);
    return Corvane::Cli::runCommandLine(arguments, std::cin, std::cout, std::cerr);
}
