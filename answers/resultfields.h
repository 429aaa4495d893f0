// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/answer.h"
#include "answers/csv.h"
#include "answers/jsonwriter.h"
#include "answers/output.h"

#include <cstdint>
#include <span>
#include <string_view>

// The fields of an answer as a table: one row per field, in order, each
// with its name and the format that writes it. The CSV result columns (the
// header and every row's cells) and the JSON result object are both derived
// from it, so the two cannot drift apart.
namespace Corvane::Answers {

// The CSV result columns, in order: "result", "file", "word",
// "modicon_start", "modicon_end", "data_table_address", "error_code", ...
std::span<const std::string_view> resultColumns();

// Writes the result cells of an answer as CSV, each after a comma, so that
// they follow the input's cells: ",ok,7,0,40001,40010,,,,holding registers,...".
void writeResultCells(Output &out, const Answer &answer, CellSafety safety);

// One result object: {"ok":true,"file":7,...}, {"ok":false,"code":11,...}, or
// for an invalid request {"ok":false,"line":3,"error":"..."} with
// `positionName` "line". A `link` given is its last member: "link":"#v=1&...".
void writeJson(JsonWriter &json, const Answer &answer, std::string_view positionName = {},
               std::int64_t position = 0, std::string_view link = {});

// The details of a range as the JSON members that a result object holds:
// "table":"holding registers","reference":"4X",...,"write_functions":[6,16]
void writeDetailsJson(JsonWriter &json, const Details &details);

} // namespace Corvane::Answers
