// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// corvane-cli's JSON Lines stream on any bytes, read through a source that
// hands them out in pieces of a fuzzed size. Every input line gets exactly
// one result line, in order, and the same result as the line read alone; a
// line longer than 64 KiB gets the over-long error and costs nothing after
// its line end; the exit status is 2 exactly when a line was invalid; every
// result line is JSON as an independent parser reads it.
//
// Input: a text with runs (see expandRuns); its first byte picks the size of
// the pieces the source hands out.
#include "answers/answer.h"
#include "answers/csv.h"
#include "answers/jsonlines.h"
#include "answers/jsonwriter.h"
#include "answers/resultfields.h"
#include "fuzzinput.h"
#include "piecesource.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

using namespace Corvane;

namespace {

// The lines of a text as LF splits them, a CR before the LF dropped; a text
// that ends with LF has no empty line after it.
std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

// The results written line by line, without the stream's reader, and
// whether any line was invalid.
std::string resultsOneByOne(const std::vector<std::string_view> &lines, bool &anyInvalid)
{
    Answers::StringSink sink;
    {
        Answers::Output out(sink);
        Answers::JsonWriter json(out);
        std::int64_t number = 0;
        for (const std::string_view line : lines) {
            Answers::Answer answer;
            if (line.size() > Answers::kLongestRecord) {
                answer = Answers::invalid(Answers::overlongMessage("the line"));
            } else {
                const auto request = Answers::requestFromJsonLine(line);
                if (const auto *error = std::get_if<Answers::RequestError>(&request))
                    answer = Answers::invalid(error->message);
                else
                    answer = Answers::translate(std::get<Answers::Request>(request));
            }
            anyInvalid = anyInvalid || answer.status == Answers::Status::Invalid;
            Answers::writeJson(json, answer, "line", ++number);
            out.put('\n');
        }
        out.flush();
    }
    return sink.text;
}

// Result lines checked by the independent parser; enough to see every kind.
constexpr std::size_t kParsedLines = 64;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text = Fuzz::expandRuns(Fuzz::asText(data, size));
    const std::string_view input = text;
    static constexpr std::array<std::size_t, 8> kPieces{
        1, 2, 7, 4096, Answers::kLongestRecord - 1, Answers::kLongestRecord + 1, 100'000, SIZE_MAX};
    const std::size_t piece = kPieces[size > 0 ? data[0] % kPieces.size() : 0];

    Answers::StringSink sink;
    int status = 0;
    {
        Fuzz::PieceSource source(input, piece, "standard input");
        Answers::Output out(sink);
        Answers::InputBuffer in(source, &out);
        status = Answers::runJsonLines(in, out).clean ? 0 : 2;
        out.flush();
        Fuzz::check(!in.failed() && !out.failed(), "memory neither fails to read nor to write",
                    input);
    }

    const std::vector<std::string_view> lines = linesOf(input);
    bool anyInvalid = false;
    const std::string expected = resultsOneByOne(lines, anyInvalid);
    Fuzz::check(sink.text == expected, "each line gets one result, the same as the line read alone",
                input);
    Fuzz::check(status == (anyInvalid ? 2 : 0), "the status is 2 exactly when a line was invalid",
                input);

    std::string_view results = sink.text;
    for (std::size_t i = 0; i < kParsedLines && !results.empty(); ++i) {
        const std::size_t end = results.find('\n');
        const auto parsed = nlohmann::json::parse(results.substr(0, end), nullptr, false);
        Fuzz::check(!parsed.is_discarded() && parsed.is_object() && parsed.contains("ok"),
                    "a result line is a JSON object", input);
        results.remove_prefix(end + 1);
    }
    return 0;
}
