// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "cli/csv.h"
#include "cli/io.h"
#include "cli/jsonwriter.h"
#include "cli/request.h"
#include "core/modiconclass.h"
#include "errors/errorcode.h"
#include "slave/slavetranslation.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What one request came to, and the three ways of writing it: plain text,
// JSON and CSV columns.
namespace Corvane::Cli {

enum class Status {
    Translated, // the window would show an answer
    Refused,    // the window would show the error box
    Invalid,    // the request itself cannot be read
};

struct Outcome {
    Status status = Status::Invalid;
    // Slave answers.
    bool slave = false;
    std::int32_t file = 0;
    std::int32_t word = 0;
    // Master answers.
    std::string address;
    // The Modicon numbers of the answer: the slave range, or where the
    // master request starts in the table of its command (none for
    // diagnostics).
    std::optional<Modbus::ModiconRange> range;
    // Refusals: the error box's code. Invalid requests: what is wrong.
    Errors::ErrorCode code = Errors::ErrorCode{};
    std::string error;
};

// {"N7:4/5", "6", "10"} -> Translated, file 7, word 4, Modicon 1 to 15 in coils.
Outcome translateSlave(const Slave::SlaveFieldTexts &texts);
// PLC-5, NXYZ:Z, " 03 - ...", "1234", "5" -> Translated, "N451:234", 41234 in
// holding registers.
Outcome translateMaster(const MasterSettings &settings);
// Resolves a master request first; a bad selection makes it Invalid.
Outcome translate(const Request &request);
Outcome invalid(std::string error);

// The engineering details of a Modicon range or start as JSON members:
// table, reference, offsets in decimal and hex, 6-digit references, read and
// write functions. (HoldingRegisters, 40001, 40010) ->
// "table":"holding registers",...,"end_reference6":"400010",...,"write_functions":[6,16]
void writeDetails(JsonWriter &json, const Modbus::ModiconRange &range);

// One result object: {"ok":true,"file":7,...}, {"ok":false,"code":11,...}, or
// for an invalid request {"ok":false,"line":3,"error":"..."} with
// `positionName` "line".
void writeJson(JsonWriter &json, const Outcome &outcome, std::string_view positionName = {},
               std::int64_t position = 0);

// Plain text: the answer on `out` (a second line with the details), or the
// box title and message lines on `err`.
// "file 7 word 4 modicon 40001-40010\n"
// "holding registers (4X): offsets 0-9 (0x0000-0x0009), 6-digit 400001-400010;
//  read with 03, write with 06, 16\n"
void writeText(const Outcome &outcome, Output &out, Output &err);

// The result columns of a batch row, in order. The data table address of a
// master answer has a name of its own, apart from the slave rows' address.
inline constexpr std::array<std::string_view, 18> kResultColumns{
    "result",           "file",           "word",
    "modicon_start",    "modicon_end",    "data_table_address",
    "error_code",       "error_message",  "table",
    "reference",        "start_offset",   "start_offset_hex",
    "start_reference6", "end_offset",     "end_offset_hex",
    "end_reference6",   "read_functions", "write_functions"};

// Writes the result cells of an outcome as CSV, each after a comma, so that
// they follow the input's cells: ",ok,7,0,40001,40010,,,,holding registers,...".
void writeResultCells(Output &out, const Outcome &outcome, CellSafety safety);

} // namespace Corvane::Cli
