// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "cli/commandline.h"

#include "cli/batch.h"
#include "cli/check.h"
#include "cli/decodeoutput.h"
#include "cli/helptexts.h"
#include "cli/jsonlines.h"
#include "cli/jsonwriter.h"
#include "cli/outcome.h"
#include "cli/request.h"
#include "master/addressingscheme.h"
#include "master/commands.h"

#include <corvane/version.h>

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <cerrno>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <sstream>
#include <string_view>

namespace Corvane::Cli {
namespace {

// {"01-06", "08"} -> "01-06, 08"
std::string commaSeparated(const std::vector<std::string> &words)
{
    std::string text;
    for (const std::string &word : words)
        text += (text.empty() ? "" : ", ") + word;
    return text;
}

using namespace std::string_view_literals;

constexpr std::string_view kProgram = "corvane-cli";

// The options of the subcommands that take positional texts; `valued` ones
// take the next argument as their value.
struct SubcommandOptions {
    std::string_view name;
    std::array<std::string_view, 4> flags;
    std::array<std::string_view, 2> valued;
};

constexpr std::array kPositionalSubcommands{
    SubcommandOptions{"slave"sv, {"--json"sv, "-h"sv, "--help"sv}, {}},
    SubcommandOptions{"decode"sv, {"--json"sv, "-h"sv, "--help"sv}, {"--plc"sv, "--format"sv}},
    SubcommandOptions{"batch"sv, {"--json"sv, "-h"sv, "--help"sv, "--safe-for-spreadsheets"sv}, {}},
    SubcommandOptions{"check"sv, {"--json"sv, "-h"sv, "--help"sv}, {}},
};

// What a subcommand reads and writes.
struct Context {
    ByteSource &in;
    Output &out;
    Output &err;
};

bool isFlagOf(const SubcommandOptions &options, std::string_view argument)
{
    return !argument.empty() &&
           std::find(options.flags.begin(), options.flags.end(), argument) != options.flags.end();
}

// "--plc" -> takes a value; "--plc=3" -> carries its own.
enum class Valued { No, Separate, Joined };
Valued valuedOptionOf(const SubcommandOptions &options, std::string_view argument)
{
    for (std::string_view name : options.valued) {
        if (name.empty())
            continue;
        if (argument == name)
            return Valued::Separate;
        if (argument.starts_with(name) && argument.size() > name.size() &&
            argument[name.size()] == '=')
            return Valued::Joined;
    }
    return Valued::No;
}

// CLI11 writes its messages over several lines; a usage error gets one. The
// "--" that separatePositionals inserted is no argument the user typed.
std::string oneLine(std::string text)
{
    std::replace(text.begin(), text.end(), '\n', ' ');
    text += ' ';
    for (std::size_t at; (at = text.find(" -- ")) != std::string::npos;)
        text.erase(at, 3);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

int usageError(Output &err, const std::string &message, std::string_view subcommand = {})
{
    writeMessage(err, {oneLine(message), " (try '", kProgram, subcommand.empty() ? "" : " ",
                       subcommand, " --help')"});
    return kExitUsage;
}

int report(const Outcome &outcome, bool json, Context &context)
{
    if (json) {
        JsonWriter writer(context.out);
        writeJson(writer, outcome);
        context.out.put('\n');
    } else {
        writeText(outcome, context.out, context.err);
    }
    return outcome.status == Status::Translated ? kExitAnswered : kExitRefused;
}

// Runs `body` on an input: "-" is standard input, anything else a file. A
// file that cannot be opened or read ends in a message and status 3; a read
// error behind a failed output is not worth one.
int withInput(const std::string &path, Context &context,
              const std::function<int(InputBuffer &)> &body)
{
    std::unique_ptr<ByteSource> file;
    ByteSource *source = &context.in;
    if (path != "-") {
        OpenedFile opened = openFile(path);
        if (!opened.source) {
            writeMessage(context.err, {"cannot open ", path, ": ", errorText(opened.error)});
            return kExitIoError;
        }
        file = std::move(opened.source);
        source = file.get();
    }
    InputBuffer input(*source, &context.out);
    const int status = body(input);
    if (input.failed() && !context.out.failed()) {
        writeMessage(context.err, {"cannot read ", input.name(), ": ", errorText(input.error())});
        return kExitIoError;
    }
    return status;
}

struct SlaveCommand {
    CLI::App *app = nullptr;
    SlaveTexts texts;
    bool json = false;
};

void addSlave(CLI::App &app, SlaveCommand &slave)
{
    slave.app = app.add_subcommand(
        "slave", "Slave mode: map a run of A-B words or bits onto a Modicon range");
    slave.app->footer(Help::kSlave);
    slave.app->add_option("ADDRESS", slave.texts.address, "A-B data file address, e.g. N7:4/5")
        ->required();
    slave.app->add_option("START", slave.texts.start, "Modicon start register or coil, e.g. 40001")
        ->required();
    slave.app->add_option("COUNT", slave.texts.count, "number of A-B words or bits, e.g. 10")
        ->required();
    slave.app->add_flag("--json", slave.json, "Write one JSON object instead of text");
}

int runSlave(const SlaveCommand &slave, Context &context)
{
    const SlaveTexts &texts = slave.texts;
    return report(translateSlave({texts.address, texts.start, texts.count}), slave.json, context);
}

// A master selection as given on the command line, or not given at all.
struct Selection {
    std::string value;
    CLI::Option *option = nullptr;

    std::optional<std::string> given() const
    {
        return option->count() > 0 ? std::optional<std::string>(value) : std::nullopt;
    }
};

struct MasterCommand {
    CLI::App *app = nullptr;
    Selection plc, format, messageType, command, subfunction;
    MasterTexts texts;
    bool json = false;
};

void addMaster(CLI::App &app, MasterCommand &master)
{
    master.app = app.add_subcommand(
        "master", "Master mode: the data table address that a PLC message must target");
    CLI::App &sub = *master.app;
    sub.footer(Help::kMaster);
    const Master::AddressingScheme startUp;
    master.plc.option =
        sub.add_option("--plc", master.plc.value,
                       "PLC type: " + Master::plcNumberList() + " (default " +
                           std::string(Master::plcTypeRow(startUp.plc).number) + ")");
    master.format.option =
        sub.add_option("--format", master.format.value,
                       "PLC-5 addressing format: " + Master::formatNameList() + " (default " +
                           std::string(Master::schemeName(startUp)) + ")");
    master.messageType.option = sub.add_option("--message-type", master.messageType.value,
                                               "read, write, or the verbatim text");
    master.command.option = sub.add_option("--command", master.command.value,
                                           "Modbus function number (" +
                                               commaSeparated(Master::commandNumberGroups("-")) +
                                               ") or the entry's text");
    master.subfunction.option =
        sub.add_option("--subfunction", master.subfunction.value, "diagnostic subfunction text");
    sub.add_option("--register", master.texts.registerText, "start register or coil");
    sub.add_option("--slave", master.texts.slave, "Modbus slave address");
    sub.add_flag("--json", master.json, "Write one JSON object instead of text");
}

int runMaster(MasterCommand &master, Context &context)
{
    master.texts.plc = master.plc.given();
    master.texts.format = master.format.given();
    master.texts.messageType = master.messageType.given();
    master.texts.command = master.command.given();
    master.texts.subfunction = master.subfunction.given();
    const auto resolved = resolveMaster(master.texts);
    if (const auto *error = std::get_if<RequestError>(&resolved))
        return usageError(context.err, error->message, "master");
    return report(translateMaster(std::get<MasterSettings>(resolved)), master.json, context);
}

struct DecodeCommand {
    CLI::App *app = nullptr;
    std::string address;
    Selection plc, format;
    bool json = false;
};

void addDecode(CLI::App &app, DecodeCommand &decode)
{
    decode.app = app.add_subcommand(
        "decode", "Reverse lookup: the Modbus requests that compose into a data table address");
    decode.app->footer(Help::kDecode);
    decode.app->add_option("ADDRESS", decode.address, "data table address, e.g. N451:234")
        ->required();
    decode.plc.option =
        decode.app->add_option("--plc", decode.plc.value, "only this PLC type: 5 or 3");
    decode.format.option =
        decode.app->add_option("--format", decode.format.value, "only this PLC-5 format");
    decode.app->add_flag("--json", decode.json, "Write one JSON object instead of text");
}

int runDecode(const DecodeCommand &decode, Context &context)
{
    std::optional<Master::PlcType> onlyPlc;
    std::optional<Master::AddressFormat> onlyFormat;
    if (const auto plc = decode.plc.given()) {
        onlyPlc = Master::plcTypeNamed(*plc);
        if (!onlyPlc)
            return usageError(context.err, badPlcMessage(*plc), "decode");
    }
    if (const auto format = decode.format.given()) {
        onlyFormat = Master::formatNamed(*format);
        if (!onlyFormat)
            return usageError(context.err, badFormatMessage(*format), "decode");
    }
    const auto decodings = decodeUnder(decode.address, schemesToDecode(onlyPlc, onlyFormat));
    if (decode.json) {
        JsonWriter writer(context.out);
        writeDecodingJson(writer, decode.address, decodings);
        context.out.put('\n');
    } else {
        writeDecodingText(decode.address, decodings, context.out);
    }
    return anyRequest(decodings) ? kExitAnswered : kExitRefused;
}

struct BatchCommand {
    CLI::App *app = nullptr;
    std::string file;
    bool json = false;
    bool safe = false;
};

void addBatch(CLI::App &app, BatchCommand &batch)
{
    batch.app =
        app.add_subcommand("batch", "Translate a CSV mapping table of slave and master rows");
    batch.app->footer(Help::kBatch);
    batch.app->add_option("FILE", batch.file, "the CSV file, or - for standard input")->required();
    CLI::Option *json =
        batch.app->add_flag("--json", batch.json, "Write JSON Lines instead of CSV");
    batch.app
        ->add_flag("--safe-for-spreadsheets", batch.safe,
                   "Put an apostrophe before cells a spreadsheet would run as formulas")
        ->excludes(json);
}

int runBatchCommand(const BatchCommand &batch, Context &context)
{
    BatchOptions options;
    options.output = batch.json ? BatchOutput::JsonLines : BatchOutput::Csv;
    options.safety = batch.safe ? CellSafety::Spreadsheet : CellSafety::Verbatim;
    return withInput(batch.file, context, [&](InputBuffer &input) {
        return runBatch(input, context.out, context.err, options);
    });
}

struct CheckCommand {
    CLI::App *app = nullptr;
    std::string file;
    bool json = false;
};

void addCheck(CLI::App &app, CheckCommand &check)
{
    check.app = app.add_subcommand(
        "check", "Find the rows of a slave mapping table whose Modicon ranges overlap");
    check.app->footer(Help::kCheck);
    check.app->add_option("FILE", check.file, "the CSV file, or - for standard input")->required();
    check.app->add_flag("--json", check.json, "Write JSON Lines instead of text");
}

int runCheckCommand(const CheckCommand &check, Context &context)
{
    return withInput(check.file, context, [&](InputBuffer &input) {
        return runCheck(input, context.out, context.err, check.json);
    });
}

int runJsonLinesCommand(Context &context)
{
    return withInput("-", context,
                     [&](InputBuffer &input) { return runJsonLines(input, context.out); });
}

// Parses the arguments and runs what they ask for.
int dispatch(const std::vector<std::string> &arguments, Context &context)
{
    CLI::App app{Help::kDescription, std::string(kProgram)};
    app.footer(Help::kMain);
    app.require_subcommand(0, 1);
    bool jsonLines = false;
    bool version = false;
    app.add_flag("--jsonl", jsonLines,
                 "Read requests as JSON Lines from standard input, one per line, and write "
                 "one result line for each, in order");
    app.add_flag("--version", version, "Print the version and exit");
    SlaveCommand slave;
    MasterCommand master;
    DecodeCommand decode;
    BatchCommand batch;
    CheckCommand check;
    addSlave(app, slave);
    addMaster(app, master);
    addDecode(app, decode);
    addBatch(app, batch);
    addCheck(app, check);

    const std::vector<std::string> separated = separatePositionals(arguments);
    std::vector<const char *> argv;
    for (const std::string &argument : separated)
        argv.push_back(argument.c_str());
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError &e) {
        if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
            std::ostringstream help, ignored;
            app.exit(e, help, ignored);
            context.out.write(help.str());
            return kExitAnswered;
        }
        std::string_view subcommand;
        for (const CLI::App *sub : app.get_subcommands())
            subcommand = sub->get_name();
        return usageError(context.err, e.what(), subcommand);
    }

    if (version) {
        context.out.write(kVersionText);
        context.out.put('\n');
        return kExitAnswered;
    }
    if (jsonLines) {
        if (!app.get_subcommands().empty())
            return usageError(context.err, "--jsonl reads its requests from standard input and "
                                           "takes no subcommand");
        return runJsonLinesCommand(context);
    }
    if (slave.app->parsed())
        return runSlave(slave, context);
    if (master.app->parsed())
        return runMaster(master, context);
    if (decode.app->parsed())
        return runDecode(decode, context);
    if (batch.app->parsed())
        return runBatchCommand(batch, context);
    if (check.app->parsed())
        return runCheckCommand(check, context);
    return usageError(context.err,
                      "a subcommand is needed: slave, master, decode, batch or check, or --jsonl");
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
    std::size_t at = 1;
    const SubcommandOptions *options = nullptr;
    for (; at < arguments.size() && !options; ++at) {
        for (const SubcommandOptions &candidate : kPositionalSubcommands) {
            if (arguments[at] == candidate.name)
                options = &candidate;
        }
        if (!options && !arguments[at].starts_with("-"))
            return arguments; // some other subcommand, or a stray text
    }
    if (!options)
        return arguments;

    std::vector<std::string> result(arguments.begin(), arguments.begin() + at);
    std::vector<std::string> positionals;
    for (; at < arguments.size(); ++at) {
        const std::string &argument = arguments[at];
        if (argument == "--") {
            positionals.insert(positionals.end(), arguments.begin() + at + 1, arguments.end());
            break;
        }
        const Valued valued = valuedOptionOf(*options, argument);
        if (isFlagOf(*options, argument) || valued == Valued::Joined) {
            result.push_back(argument);
        } else if (valued == Valued::Separate) {
            result.push_back(argument);
            if (at + 1 < arguments.size())
                result.push_back(arguments[++at]);
        } else if (argument.starts_with("--") && argument.size() > 2) {
            result.push_back(argument); // an unknown option: the parser reports it
        } else {
            positionals.push_back(argument);
        }
    }
    result.push_back("--");
    result.insert(result.end(), positionals.begin(), positionals.end());
    return result;
}

int runCommandLine(const std::vector<std::string> &arguments, const Streams &streams)
{
    Output out(streams.out);
    Output err(streams.err);
    Context context{streams.in, out, err};
    int status = kExitIoError;
    try {
        status = dispatch(arguments, context);
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
