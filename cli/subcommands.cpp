// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "cli/subcommands.h"

#include "answers/answer.h"
#include "answers/batch.h"
#include "answers/check.h"
#include "answers/decoding.h"
#include "answers/jsonwriter.h"
#include "answers/link.h"
#include "answers/plaintext.h"
#include "answers/request.h"
#include "answers/resultfields.h"
#include "cli/exitstatus.h"
#include "cli/helptexts.h"
#include "cli/stopping.h"
#include "master/addressingscheme.h"
#include "master/commands.h"

#include <CLI/CLI.hpp>

#include <array>
#include <variant>
#include <vector>

namespace Corvane::Cli {
namespace {

using namespace Answers;

// {"01-06", "08"} -> "01-06, 08"
std::string commaSeparated(const std::vector<std::string> &words)
{
    std::string text;
    for (const std::string &word : words)
        text += (text.empty() ? "" : ", ") + word;
    return text;
}

void addJsonFlag(CLI::App &sub, Arguments &arguments, const std::string &description)
{
    sub.add_flag("--json", arguments.json, description);
}

// The answer, and with --link the page's link of the request: a line
// "#v=1&..." after a text answer, a "link" member of a JSON one.
int report(const Answer &answer, bool json, Context &context,
           const std::optional<WindowLink> &link = std::nullopt)
{
    const std::string fragment = link ? "#" + linkFragment(*link) : std::string();
    // Beside a text answer or refusal, each warning is a line of its own (a
    // count read as 0 explains a refusal too); in JSON the answer carries them.
    if (!json && answer.status != Status::Invalid) {
        for (const Warning &warning : answer.warnings)
            writeMessage(context.err, {"warning: ", warning.message});
    }
    if (json) {
        JsonWriter writer(context.out);
        writeJson(writer, answer, {}, 0, fragment);
        context.out.put('\n');
    } else {
        writeText(answer, context.out, context.err);
        if (link) {
            context.out.write(fragment);
            context.out.put('\n');
        }
    }
    return answer.status == Status::Translated ? kExitAnswered : kExitRefused;
}

void addLinkFlag(CLI::App &sub, Arguments &arguments)
{
    sub.add_flag("--link", arguments.link,
                 "Also print the request's link for corvane.html, to append to the page's "
                 "address: the page opens with the request translated");
}

void declareSlave(CLI::App &sub, Arguments &arguments)
{
    sub.add_option("ADDRESS", arguments.address, "A-B data file address, e.g. N7:4/5")->required();
    sub.add_option("START", arguments.start, "Modicon start register or coil, e.g. 40001")
        ->required();
    sub.add_option("COUNT", arguments.count, "number of A-B words or bits, e.g. 10")->required();
    addJsonFlag(sub, arguments, "Write one JSON object instead of text");
    addStrictFlag(sub, arguments);
    addLinkFlag(sub, arguments);
}

int runSlave(Arguments &arguments, Context &context)
{
    std::optional<WindowLink> link;
    if (arguments.link)
        link = WindowLink{false, arguments.address, arguments.start, arguments.count, {}};
    return report(
        withReadings(translateSlave({arguments.address, arguments.start, arguments.count}),
                     arguments.readings()),
        arguments.json, context, link);
}

void declareMaster(CLI::App &sub, Arguments &arguments)
{
    const Master::AddressingScheme startUp;
    arguments.plc.option =
        sub.add_option("--plc", arguments.plc.value,
                       "PLC type: " + Master::plcNumberList() + " (default " +
                           std::string(Master::plcTypeRow(startUp.plc).number) + ")");
    arguments.format.option =
        sub.add_option("--format", arguments.format.value,
                       "PLC-5 addressing format: " + Master::formatNameList() + " (default " +
                           std::string(Master::schemeName(startUp)) + ")");
    arguments.messageType.option = sub.add_option("--message-type", arguments.messageType.value,
                                                  "read, write, or the verbatim text");
    arguments.command.option = sub.add_option("--command", arguments.command.value,
                                              "Modbus function number (" +
                                                  commaSeparated(Master::commandNumberGroups("-")) +
                                                  ") or the entry's text");
    arguments.subfunction.option =
        sub.add_option("--subfunction", arguments.subfunction.value, "diagnostic subfunction text");
    sub.add_option("--register", arguments.registerText, "start register or coil");
    sub.add_option("--slave", arguments.slave, "Modbus slave address");
    addJsonFlag(sub, arguments, "Write one JSON object instead of text");
    addStrictFlag(sub, arguments);
    addLinkFlag(sub, arguments);
}

int runMaster(Arguments &arguments, Context &context)
{
    MasterTexts texts;
    texts.plc = arguments.plc.given();
    texts.format = arguments.format.given();
    texts.messageType = arguments.messageType.given();
    texts.command = arguments.command.given();
    texts.subfunction = arguments.subfunction.given();
    texts.registerText = arguments.registerText;
    texts.slave = arguments.slave;
    const auto resolved = resolveMaster(texts);
    if (const auto *error = std::get_if<RequestError>(&resolved)) {
        if (!error->refusal)
            return usageError(context.err, error->message, "master");
        writeMessage(context.err, {error->message});
        return kExitRefused;
    }
    const auto &state = std::get<Master::MasterWindowState>(resolved);
    std::optional<WindowLink> link;
    if (arguments.link)
        link = WindowLink{true, {}, {}, {}, state};
    return report(withReadings(translateMaster(state), arguments.readings()), arguments.json,
                  context, link);
}

void declareDecode(CLI::App &sub, Arguments &arguments)
{
    sub.add_option("ADDRESS", arguments.address, "data table address, e.g. N451:234")->required();
    arguments.decodePlc.option =
        sub.add_option("--plc", arguments.decodePlc.value, "only this PLC type: 5 or 3");
    arguments.decodeFormat.option =
        sub.add_option("--format", arguments.decodeFormat.value, "only this PLC-5 format");
    addJsonFlag(sub, arguments, "Write one JSON object instead of text");
}

int runDecode(Arguments &arguments, Context &context)
{
    std::optional<Master::PlcType> onlyPlc;
    std::optional<Master::AddressFormat> onlyFormat;
    if (const auto plc = arguments.decodePlc.given()) {
        onlyPlc = Master::plcTypeNamed(*plc);
        if (!onlyPlc)
            return usageError(context.err, badPlcMessage(*plc), "decode");
    }
    if (const auto format = arguments.decodeFormat.given()) {
        onlyFormat = Master::formatNamed(*format);
        if (!onlyFormat)
            return usageError(context.err, badFormatMessage(*format), "decode");
    }
    const auto decodings = decodeUnder(arguments.address, schemesToDecode(onlyPlc, onlyFormat));
    if (arguments.json) {
        JsonWriter writer(context.out);
        writeDecodingJson(writer, arguments.address, decodings);
        context.out.put('\n');
    } else {
        writeDecodingText(arguments.address, decodings, context.out);
    }
    return anyRequest(decodings) ? kExitAnswered : kExitRefused;
}

void declareBatch(CLI::App &sub, Arguments &arguments)
{
    sub.add_option("FILE", arguments.file, "the CSV file, or - for standard input")->required();
    CLI::Option *json = sub.add_flag("--json", arguments.json, "Write JSON Lines instead of CSV");
    sub.add_flag("--safe-for-spreadsheets", arguments.safeForSpreadsheets,
                 "Put an apostrophe before cells a spreadsheet would run as formulas")
        ->excludes(json);
    addStrictFlag(sub, arguments);
}

int runBatchFile(Arguments &arguments, Context &context)
{
    BatchOptions options;
    options.output = arguments.json ? BatchOutput::JsonLines : BatchOutput::Csv;
    options.safety = arguments.safeForSpreadsheets ? CellSafety::Spreadsheet : CellSafety::Verbatim;
    options.readings = arguments.readings();
    options.stop = stopRequested;
    return withInput(arguments.file, context, [&](InputBuffer &input) {
        return runStatus(runBatch(input, context.out, options), input, context);
    });
}

void declareCheck(CLI::App &sub, Arguments &arguments)
{
    sub.add_option("FILE", arguments.file, "the CSV file, or - for standard input")->required();
    addJsonFlag(sub, arguments, "Write JSON Lines instead of text");
    addStrictFlag(sub, arguments);
}

int runCheckFile(Arguments &arguments, Context &context)
{
    return withInput(arguments.file, context, [&](InputBuffer &input) {
        return runStatus(
            runCheck(input, context.out, arguments.json, arguments.readings(), stopRequested),
            input, context);
    });
}

constexpr std::array kSubcommands{
    Subcommand{"slave", "Slave mode: map a run of A-B words or bits onto a Modicon range",
               Help::kSlave, declareSlave, runSlave},
    Subcommand{"master", "Master mode: the data table address that a PLC message must target",
               Help::kMaster, declareMaster, runMaster},
    Subcommand{"decode",
               "Reverse lookup: the Modbus requests that compose into a data table address",
               Help::kDecode, declareDecode, runDecode},
    Subcommand{"batch", "Translate a CSV mapping table of slave and master rows", Help::kBatch,
               declareBatch, runBatchFile},
    Subcommand{"check", "Find the rows of a slave mapping table whose Modicon ranges overlap",
               Help::kCheck, declareCheck, runCheckFile},
};

} // namespace

void addStrictFlag(CLI::App &app, Arguments &arguments)
{
    app.add_flag("--strict", arguments.strict,
                 "Refuse a request whose field was read by a silent rule (no number, text after "
                 "the number, out of range, a fraction rounded) instead of warning");
}

std::optional<std::string> Given::given() const
{
    return option && option->count() > 0 ? std::optional<std::string>(value) : std::nullopt;
}

std::span<const Subcommand> subcommands() { return kSubcommands; }

} // namespace Corvane::Cli
