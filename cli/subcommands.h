// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/answer.h"
#include "cli/context.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace CLI {
class App;
class Option;
} // namespace CLI

// The subcommands of corvane-cli in one table: each row's name, summary and
// help drive the listing of --help, its options are registered once on the
// parser, and its handler runs when the command line names it.
namespace Corvane::Cli {

// A value given on the command line, or not given at all.
struct Given {
    std::string value;
    CLI::Option *option = nullptr;

    // The value when the option was given: "--plc 3" -> "3"; no --plc -> none.
    std::optional<std::string> given() const;
};

// Everything a command line can carry; each subcommand's options fill the
// members it uses.
struct Arguments {
    std::string address; // slave ADDRESS, decode ADDRESS
    std::string start;   // slave START
    std::string count;   // slave COUNT
    std::string file;    // batch FILE, check FILE
    // master's options; each Given knows its own option, so no two
    // subcommands share one.
    Given plc, format, messageType, command, subfunction;
    std::string registerText;
    std::string slave;
    Given decodePlc, decodeFormat; // decode --plc, --format
    bool json = false;
    bool safeForSpreadsheets = false;
    bool strict = false; // a field read by a silent rule refuses the request
    bool link = false;   // print the page's link of the request

    Answers::Readings readings() const
    {
        return strict ? Answers::Readings::Refuse : Answers::Readings::Warn;
    }
};

// --strict, for each subcommand that translates and for --jsonl.
void addStrictFlag(CLI::App &app, Arguments &arguments);

struct Subcommand {
    std::string_view name;
    std::string_view summary; // the line in the main --help's list
    std::string_view help;    // the footer of its own --help: details and examples
    void (*declare)(CLI::App &subcommand, Arguments &arguments);
    int (*run)(Arguments &arguments, Context &context);
};

// slave, master, decode, batch and check, in the order --help lists them.
std::span<const Subcommand> subcommands();

} // namespace Corvane::Cli
