#include "cli/commandline.h"

#include "cli/batch.h"
#include "cli/decodeoutput.h"
#include "cli/jsonlines.h"
#include "cli/outcome.h"
#include "cli/request.h"

#include <corvane/version.h>

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <string_view>

namespace Corvane::Cli {
namespace {

using namespace std::string_view_literals;

constexpr std::string_view kProgram = "corvane-cli";

// The options of the subcommands that take positional texts; `valued` ones
// take the next argument as their value.
struct SubcommandOptions {
    std::string_view name;
    std::array<std::string_view, 3> flags;
    std::array<std::string_view, 2> valued;
};

constexpr std::array kPositionalSubcommands{
    SubcommandOptions{"slave"sv, {"--json"sv, "-h"sv, "--help"sv}, {}},
    SubcommandOptions{"decode"sv, {"--json"sv, "-h"sv, "--help"sv}, {"--plc"sv, "--format"sv}},
    SubcommandOptions{"batch"sv, {"--json"sv, "-h"sv, "--help"sv}, {}},
};

constexpr const char *kDescription =
    "Corvane's command-line companion: maps Allen-Bradley PLC-3 and PLC-5 data table "
    "addresses to Modbus/Modicon references by the gateway's rules, exactly as the window "
    "does, for scripts and mapping tables.";

constexpr const char *kMainFooter = R"help(Examples:
  corvane-cli slave "N7:4/5" 40001 10
      file 7 word 4 modicon 40001-40010
  corvane-cli master --format NXYZ:Z --command 03 --register 1234 --slave 5
      N451:234
  corvane-cli decode N451:234
  corvane-cli batch table.csv > mapped.csv
  echo '{"mode":"slave","address":"N7:0","start":"40001","count":"10"}' | corvane-cli --jsonl

Every text is taken verbatim, as if typed into the window's field.
Exit status: 0 answered; 1 usage error; 2 refused by the rules (the window's
error box, written to standard error) or a bad request line or row.)help";

constexpr const char *kSlaveFooter =
    R"help(The three texts are the window's Data File, Modicon Start Register and Number of
Registers fields. Texts may begin with "-": a negative count such as -5 is a text.

Examples:
  corvane-cli slave "N7:4/5" 40001 10      file 7 word 4 modicon 40001-40010
  corvane-cli slave "N7:4/5" 6 10          file 7 word 4 modicon 1-15 (coils follow the bit)
  corvane-cli slave F8:0 40001 10          file 8 word 0 modicon 40001-40020 (floats take two)
  corvane-cli slave N7:0 40010 -5          file 7 word 0 modicon 40010-40004
  corvane-cli slave F8/3 1 1               refused: error box code 10, exit status 2
  corvane-cli slave --json N7:0 40001 10
      {"ok":true,"file":7,"word":0,"modicon_start":40001,"modicon_end":40010,...}

The second line gives the table, the 0-based protocol offsets (decimal and hex),
the 6-digit references and the function codes that read and write the table.)help";

constexpr const char *kMasterFooter =
    R"help(Options not given take the window's start-up values: PLC-5, NXYY:Z,
" 01 - Read Coil Status  (0X)", " 00 - Return Data Query", empty register and slave.
A missing message type follows the command: " Write" for 05, 06, 15 and 16,
" Read" otherwise. --command takes a function number (03, 3, 16) or the entry's
full text; --message-type takes read, write or the full text.

Examples:
  corvane-cli master --format NXYZ:Z --command 03 --register 1234 --slave 5    N451:234
  corvane-cli master --command 1 --register 100 --slave 5                     N5:100
  corvane-cli master --format NYXZ:Z --command 15 --register 4010 --slave 3   N204:010
  corvane-cli master --plc 3 --command 05 --register 12 --slave 8             F8:12
  corvane-cli master --plc 3 --message-type read --command 03 --register 1 --slave 0
      refused: error box code 8 (only writes go to the broadcast address)
  corvane-cli master --json --command " 03 - Read Holding Registers  (4X)" --register 100 --slave 5
      {"ok":true,"address":"N405:100","modicon_start":40100,...})help";

constexpr const char *kDecodeFooter =
    R"help(Lists every request of the nine Modbus commands that composes into ADDRESS:
message type, function code, slave address and start register or coil, with the
Modicon reference where it starts; where none does, says which rule stops it.

Examples:
  corvane-cli decode N451:234               NXYZ:Z: 03 (read), 06 and 16 (write), slave 5, register 1234
  corvane-cli decode N451:234 --format NXYZ:Z
  corvane-cli decode B3:5 --plc 3           01 (read) and 15 (write), slave 3, coil 5
  corvane-cli decode --json N0:100)help";

constexpr const char *kBatchFooter =
    R"help(FILE is a CSV mapping table (RFC 4180; "-" reads standard input). Its header row
names the columns: mode,address,start,count for slave rows and
mode,plc,format,message_type,command,subfunction,register,slave for master rows,
in any order and mixed in one file. Other columns are carried through.
The output repeats each row's columns and adds: result (ok, refused or invalid),
file, word, modicon_start, modicon_end, address, error_code, error_message,
table, reference, start_offset, start_offset_hex, start_reference6, end_offset,
end_offset_hex, end_reference6, read_functions, write_functions.
A bad row gets its error in its own result row; every row gets exactly one.
Empty master selection cells take the window's start-up values.

Examples:
  corvane-cli batch table.csv > mapped.csv
  printf 'mode,address,start,count\nslave,N7:0,40001,10\n' | corvane-cli batch -
  corvane-cli batch --json table.csv)help";

bool isFlagOf(const SubcommandOptions &options, std::string_view argument)
{
    return std::find(options.flags.begin(), options.flags.end(), argument) != options.flags.end();
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

int usageError(std::ostream &err, const std::string &message, std::string_view subcommand = {})
{
    err << kProgram << ": " << oneLine(message) << " (try '" << kProgram;
    if (!subcommand.empty())
        err << ' ' << subcommand;
    err << " --help')\n";
    return kExitUsage;
}

int report(const Outcome &outcome, bool json, std::ostream &out, std::ostream &err)
{
    if (json)
        out << dumpLine(toJson(outcome)) << '\n';
    else
        writeText(outcome, out, err);
    return outcome.status == Status::Translated ? kExitAnswered : kExitRefused;
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

int runCommandLine(const std::vector<std::string> &arguments, std::istream &in, std::ostream &out,
                   std::ostream &err)
{
    CLI::App app{kDescription, std::string(kProgram)};
    app.footer(kMainFooter);
    app.require_subcommand(0, 1);
    bool jsonLines = false;
    bool version = false;
    app.add_flag("--jsonl", jsonLines,
                 "Read requests as JSON Lines from standard input, one per line, and write "
                 "one result line for each, in order");
    app.add_flag("--version", version, "Print the version and exit");

    CLI::App *slave = app.add_subcommand("slave", "Slave mode: map a run of A-B words or bits "
                                                  "onto a Modicon range");
    slave->footer(kSlaveFooter);
    SlaveTexts slaveTexts;
    bool slaveJson = false;
    slave->add_option("ADDRESS", slaveTexts.address, "A-B data file address, e.g. N7:4/5")
        ->required();
    slave->add_option("START", slaveTexts.start, "Modicon start register or coil, e.g. 40001")
        ->required();
    slave->add_option("COUNT", slaveTexts.count, "number of A-B words or bits, e.g. 10")
        ->required();
    slave->add_flag("--json", slaveJson, "Write one JSON object instead of text");

    CLI::App *master = app.add_subcommand(
        "master", "Master mode: the data table address that a PLC message must target");
    master->footer(kMasterFooter);
    std::string plc, format, messageType, command, subfunction;
    MasterTexts masterTexts;
    bool masterJson = false;
    CLI::Option *plcOption = master->add_option("--plc", plc, "PLC type: 5 or 3 (default 5)");
    CLI::Option *formatOption = master->add_option(
        "--format", format, "PLC-5 addressing format: NXYY:Z, NXYZ:Z or NYXZ:Z (default NXYY:Z)");
    CLI::Option *messageTypeOption =
        master->add_option("--message-type", messageType, "read, write, or the verbatim text");
    CLI::Option *commandOption = master->add_option(
        "--command", command, "Modbus function number (01-06, 08, 15, 16) or the entry's text");
    CLI::Option *subfunctionOption =
        master->add_option("--subfunction", subfunction, "diagnostic subfunction text");
    master->add_option("--register", masterTexts.registerText, "start register or coil");
    master->add_option("--slave", masterTexts.slave, "Modbus slave address");
    master->add_flag("--json", masterJson, "Write one JSON object instead of text");

    CLI::App *decode = app.add_subcommand(
        "decode", "Reverse lookup: the Modbus requests that compose into a data table address");
    decode->footer(kDecodeFooter);
    std::string decodeAddress, decodePlc, decodeFormat;
    bool decodeJson = false;
    decode->add_option("ADDRESS", decodeAddress, "data table address, e.g. N451:234")->required();
    CLI::Option *decodePlcOption =
        decode->add_option("--plc", decodePlc, "only this PLC type: 5 or 3");
    CLI::Option *decodeFormatOption =
        decode->add_option("--format", decodeFormat, "only this PLC-5 format");
    decode->add_flag("--json", decodeJson, "Write one JSON object instead of text");

    CLI::App *batch =
        app.add_subcommand("batch", "Translate a CSV mapping table of slave and master rows");
    batch->footer(kBatchFooter);
    std::string batchFile;
    bool batchJson = false;
    batch->add_option("FILE", batchFile, "the CSV file, or - for standard input")->required();
    batch->add_flag("--json", batchJson, "Write JSON Lines instead of CSV");

    const std::vector<std::string> separated = separatePositionals(arguments);
    std::vector<const char *> argv;
    for (const std::string &argument : separated)
        argv.push_back(argument.c_str());
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::CallForHelp &e) {
        return app.exit(e, out, err);
    } catch (const CLI::CallForAllHelp &e) {
        return app.exit(e, out, err);
    } catch (const CLI::ParseError &e) {
        std::string_view subcommand;
        for (const CLI::App *sub : app.get_subcommands())
            subcommand = sub->get_name();
        return usageError(err, e.what(), subcommand);
    }

    if (version) {
        out << kVersionText << '\n';
        return kExitAnswered;
    }
    if (jsonLines) {
        if (!app.get_subcommands().empty())
            return usageError(err, "--jsonl reads its requests from standard input and takes "
                                   "no subcommand");
        return runJsonLines(in, out);
    }

    if (slave->parsed())
        return report(translateSlave(slaveTexts), slaveJson, out, err);

    if (master->parsed()) {
        const auto given = [](const CLI::Option *option, const std::string &value) {
            return option->count() > 0 ? std::optional<std::string>(value) : std::nullopt;
        };
        masterTexts.plc = given(plcOption, plc);
        masterTexts.format = given(formatOption, format);
        masterTexts.messageType = given(messageTypeOption, messageType);
        masterTexts.command = given(commandOption, command);
        masterTexts.subfunction = given(subfunctionOption, subfunction);
        const auto resolved = resolveMaster(masterTexts);
        if (const auto *error = std::get_if<RequestError>(&resolved))
            return usageError(err, error->message, "master");
        return report(translateMaster(std::get<MasterSettings>(resolved)), masterJson, out, err);
    }

    if (decode->parsed()) {
        std::optional<Master::PlcType> onlyPlc;
        std::optional<Master::AddressFormat> onlyFormat;
        if (decodePlcOption->count() > 0) {
            onlyPlc = Master::plcTypeNamed(decodePlc);
            if (!onlyPlc)
                return usageError(
                    err, "plc must be " + Master::plcNumberList() + ", not \"" + decodePlc + "\"",
                    "decode");
        }
        if (decodeFormatOption->count() > 0) {
            onlyFormat = Master::formatNamed(decodeFormat);
            if (!onlyFormat)
                return usageError(err,
                                  "format must be " + Master::formatNameList() + ", not \"" +
                                      decodeFormat + "\"",
                                  "decode");
        }
        const auto decodings = decodeUnder(decodeAddress, schemesToDecode(onlyPlc, onlyFormat));
        if (decodeJson)
            out << dumpLine(decodingJson(decodeAddress, decodings)) << '\n';
        else
            writeDecodingText(decodeAddress, decodings, out);
        return anyRequest(decodings) ? kExitAnswered : kExitRefused;
    }

    if (batch->parsed()) {
        const BatchOutput output = batchJson ? BatchOutput::JsonLines : BatchOutput::Csv;
        if (batchFile == "-")
            return runBatch(in, out, output);
        std::ifstream file(batchFile, std::ios::binary);
        if (!file)
            return usageError(err, "cannot open " + batchFile + ": " + std::strerror(errno),
                              "batch");
        return runBatch(file, out, output);
    }

    return usageError(err, "a subcommand is needed: slave, master, decode or batch, or --jsonl");
} // namespace

} // namespace Corvane::Cli
