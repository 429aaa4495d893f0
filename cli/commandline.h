#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

// The command line of corvane-cli: subcommands slave, master, decode and
// batch, and --jsonl. Exit statuses: 0 answered, 1 usage error, 2 refused by
// the window's rules or a bad request.
namespace Corvane::Cli {

inline constexpr int kExitAnswered = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitRefused = 2;

// Runs one command line; `arguments` starts with the program name.
// {"corvane-cli", "slave", "N7:4/5", "6", "10"} -> prints
// "file 7 word 4 modicon 1-15" and its details, returns 0.
int runCommandLine(const std::vector<std::string> &arguments, std::istream &in, std::ostream &out,
                   std::ostream &err);

// The texts of slave, decode and batch may begin with "-" ("-5", "-.5"): every
// argument after the subcommand that is not one of its options is moved
// behind "--", so that the parser never takes a text for an option.
// {"p", "slave", "N7:0", "-.5", "--json", "1"} -> {"p", "slave", "--json", "--", "N7:0", "-.5",
// "1"}
std::vector<std::string> separatePositionals(const std::vector<std::string> &arguments);

} // namespace Corvane::Cli
