// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "cli/context.h"

#include "answers/request.h"
#include "cli/exitstatus.h"
#include "cli/files.h"
#include "cli/stopping.h"

#include <algorithm>
#include <memory>

namespace Corvane::Cli {
namespace {

constexpr std::string_view kProgram = "corvane-cli";

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

} // namespace

void writeMessage(Output &err, std::initializer_list<std::string_view> parts)
{
    err.write(kProgram);
    err.write(": ");
    for (const std::string_view part : parts)
        err.write(Answers::escapedText(part));
    err.put('\n');
}

int usageError(Output &err, const std::string &message, std::string_view subcommand)
{
    writeMessage(err, {oneLine(message), " (try '", kProgram, subcommand.empty() ? "" : " ",
                       subcommand, " --help')"});
    return kExitUsage;
}

int withInput(const std::string &path, Context &context,
              const std::function<int(InputBuffer &)> &body)
{
    std::unique_ptr<Answers::ByteSource> file;
    Answers::ByteSource *source = &context.in;
    if (path != "-") {
        OpenedFile opened = openFile(path);
        if (!opened.source) {
            writeMessage(context.err, {"cannot open ", path, ": ", errorText(opened.error)});
            return kExitIoError;
        }
        file = std::move(opened.source);
        source = file.get();
    }
    if (sameRegularFile(*source, context.outSink)) {
        writeMessage(context.err, {source->name(), " is the output as well: the run would read "
                                                   "what it writes"});
        return kExitIoError;
    }
    InputBuffer input(*source, &context.out);
    const int status = body(input);
    if (input.failed() && !context.out.failed()) {
        writeMessage(context.err, {"cannot read ", input.name(), ": ", errorText(input.error())});
        return kExitIoError;
    }
    return status;
}

int runStatus(const Answers::RunResult &result, const InputBuffer &input, Context &context,
              std::string_view unit)
{
    if (const int signal = stopSignal(); signal != 0) {
        const std::string when =
            result.answered == 0
                ? std::string("before the first ") + std::string(unit)
                : "after " + std::string(unit) + " " + std::to_string(result.answered);
        writeMessage(context.err, {"stopped by ", signalName(signal), " ", when});
        return 128 + signal;
    }
    if (!result.problem.empty()) {
        writeMessage(context.err, {input.name(), ": ", result.problem});
        return kExitRefused;
    }
    return result.clean ? kExitAnswered : kExitRefused;
}

} // namespace Corvane::Cli
