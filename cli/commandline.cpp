// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "cli/commandline.h"

#include "answers/jsonlines.h"
#include "cli/context.h"
#include "cli/exitstatus.h"
#include "cli/files.h"
#include "cli/helptexts.h"
#include "cli/stopping.h"
#include "cli/subcommands.h"
#include "core/wording.h"

#include <corvane/version.h>

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <new>
#include <sstream>
#include <string_view>
#include <utility>

namespace Corvane::Cli {
namespace {

constexpr std::string_view kProgram = "corvane-cli";

// The parser of one command line: the main options, and every subcommand of
// the table with its options, registered once.
class Parser {
public:
    Parser() : m_app(Help::kDescription, std::string(kProgram))
    {
        m_app.footer(Help::kMain);
        m_app.require_subcommand(0, 1);
        m_app.add_flag("--jsonl", m_jsonLines,
                       "Read requests as JSON Lines from standard input, one per line, and "
                       "write one result line for each, in order");
        m_app.add_flag("--version", m_version, "Print the version and exit");
        addStrictFlag(m_app, m_arguments);
        for (const Subcommand &subcommand : subcommands()) {
            CLI::App *app =
                m_app.add_subcommand(std::string(subcommand.name), std::string(subcommand.summary));
            app->footer(std::string(subcommand.help));
            subcommand.declare(*app, m_arguments);
            m_subcommands.emplace_back(&subcommand, app);
        }
    }

    std::vector<std::string> separatePositionals(const std::vector<std::string> &arguments) const;
    int run(const std::vector<std::string> &arguments, Context &context);

private:
    // The subcommand of that name, if it takes positional texts.
    const CLI::App *positionalSubcommand(std::string_view name) const;

    CLI::App m_app;
    Arguments m_arguments;
    bool m_jsonLines = false;
    bool m_version = false;
    std::vector<std::pair<const Subcommand *, CLI::App *>> m_subcommands;
};

const CLI::App *Parser::positionalSubcommand(std::string_view name) const
{
    for (const auto &[subcommand, app] : m_subcommands) {
        if (subcommand->name != name)
            continue;
        const auto options = app->get_options();
        const bool positional =
            std::any_of(options.begin(), options.end(),
                        [](const CLI::Option *o) { return o->get_positional(); });
        return positional ? app : nullptr;
    }
    return nullptr;
}

// How an argument stands to a subcommand's options: "--plc" takes the next
// argument as its value, "--plc=3" carries its own, "--json" is a flag.
enum class OptionUse { None, Flag, Separate, Joined };

OptionUse optionUse(const CLI::App &app, std::string_view argument)
{
    if (!argument.starts_with("-") || argument == "-")
        return OptionUse::None;
    for (const CLI::Option *option : app.get_options()) {
        if (option->get_positional())
            continue;
        const bool flag = option->get_expected_max() == 0;
        std::vector<std::string> names;
        for (const std::string &name : option->get_lnames())
            names.push_back("--" + name);
        for (const std::string &name : option->get_snames())
            names.push_back("-" + name);
        for (const std::string &name : names) {
            if (argument == name)
                return flag ? OptionUse::Flag : OptionUse::Separate;
            if (!flag && argument.starts_with(name) && argument.size() > name.size() &&
                argument[name.size()] == '=')
                return OptionUse::Joined;
        }
    }
    return OptionUse::None;
}

std::vector<std::string>
Parser::separatePositionals(const std::vector<std::string> &arguments) const
{
    std::size_t at = 1;
    const CLI::App *subcommand = nullptr;
    for (; at < arguments.size() && !subcommand; ++at) {
        subcommand = positionalSubcommand(arguments[at]);
        if (!subcommand && !arguments[at].starts_with("-"))
            return arguments; // some other subcommand, or a stray text
    }
    if (!subcommand)
        return arguments;

    std::vector<std::string> result(arguments.begin(), arguments.begin() + at);
    std::vector<std::string> positionals;
    for (; at < arguments.size(); ++at) {
        const std::string &argument = arguments[at];
        if (argument == "--") {
            positionals.insert(positionals.end(), arguments.begin() + at + 1, arguments.end());
            break;
        }
        switch (optionUse(*subcommand, argument)) {
        case OptionUse::Flag:
        case OptionUse::Joined:
            result.push_back(argument);
            break;
        case OptionUse::Separate:
            result.push_back(argument);
            if (at + 1 < arguments.size())
                result.push_back(arguments[++at]);
            break;
        case OptionUse::None:
            if (argument.starts_with("--") && argument.size() > 2)
                result.push_back(argument); // an unknown option: the parser reports it
            else
                positionals.push_back(argument);
            break;
        }
    }
    result.push_back("--");
    result.insert(result.end(), positionals.begin(), positionals.end());
    return result;
}

int Parser::run(const std::vector<std::string> &arguments, Context &context)
{
    const std::vector<std::string> separated = separatePositionals(arguments);
    std::vector<const char *> argv;
    for (const std::string &argument : separated)
        argv.push_back(argument.c_str());
    try {
        m_app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError &e) {
        if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
            std::ostringstream help, ignored;
            m_app.exit(e, help, ignored);
            context.out.write(help.str());
            return kExitAnswered;
        }
        std::string_view subcommand;
        for (const CLI::App *sub : m_app.get_subcommands())
            subcommand = sub->get_name();
        return usageError(context.err, e.what(), subcommand);
    }

    if (m_version) {
        context.out.write(kVersionText);
        context.out.put('\n');
        return kExitAnswered;
    }
    if (m_jsonLines) {
        if (!m_app.get_subcommands().empty())
            return usageError(context.err, "--jsonl reads its requests from standard input and "
                                           "takes no subcommand");
        return withInput("-", context, [&](InputBuffer &input) {
            return runStatus(
                Answers::runJsonLines(input, context.out, m_arguments.readings(), stopRequested),
                input, context, "line");
        });
    }
    for (const auto &[subcommand, app] : m_subcommands) {
        if (app->parsed())
            return subcommand->run(m_arguments, context);
    }
    std::vector<std::string> names;
    for (const Subcommand &subcommand : subcommands())
        names.emplace_back(subcommand.name);
    return usageError(context.err,
                      "a subcommand is needed: " + Text::joinedList(names, "or") + ", or --jsonl");
}

// The status once the output is flushed: a failed write outweighs what the
// run came to, and a reader that went away ends the program quietly.
int afterOutput(Output &out, Output &err, int status)
{
    if (out.flush())
        return status;
    if (out.error() == EPIPE)
        return kExitBrokenPipe;
    writeMessage(err, {"cannot write the output: ", errorText(out.error())});
    return kExitIoError;
}

} // namespace

std::vector<std::string> separatePositionals(const std::vector<std::string> &arguments)
{
    return Parser().separatePositionals(arguments);
}

int runCommandLine(const std::vector<std::string> &arguments, const Streams &streams)
{
    Output out(streams.out);
    Output err(streams.err);
    Context context{streams.in, out, err, streams.out};
    int status = kExitIoError;
    try {
        Parser parser;
        status = parser.run(arguments, context);
    } catch (const std::bad_alloc &) {
        writeMessage(err, {"out of memory"});
    } catch (const std::exception &e) {
        writeMessage(err, {"stopped by an unexpected error: ", e.what()});
    }
    status = afterOutput(out, err, status);
    err.flush();
    return status;
}

} // namespace Corvane::Cli
