// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include "answers/input.h"
#include "answers/jsonwriter.h"
#include "master/decode.h"

#include <optional>
#include <string_view>
#include <vector>

// The reverse lookup as the command-line companion answers it.
namespace Corvane::Answers {

// The schemes to decode under: all four, those of one PLC type, or one
// PLC-5 format. PLC-3 reads no format, as in the window.
// (none, none) -> NXYY:Z, NXYZ:Z, NYXZ:Z, PLC-3; (none, NXYZ:Z) -> NXYZ:Z;
// (Plc3, NXYZ:Z) -> PLC-3.
std::vector<Master::AddressingScheme> schemesToDecode(std::optional<Master::PlcType> plc,
                                                      std::optional<Master::AddressFormat> format);

std::vector<Master::Decoding> decodeUnder(std::string_view address,
                                          const std::vector<Master::AddressingScheme> &schemes);

// {"address":"N451:234","ok":true,"schemes":[{"plc":"5","format":"NXYZ:Z",
//  "requests":[{"function_code":3,"command":" 03 - ...","message_type":" Read",
//  "slave":5,"register":1234,"modicon_start":41234,...}],"why_none":null},...]}
void writeDecodingJson(JsonWriter &json, std::string_view address,
                       const std::vector<Master::Decoding> &decodings);

// One block per scheme: each request on its own line with the Modicon
// reference of its start, or why none composes into the address.
void writeDecodingText(std::string_view address, const std::vector<Master::Decoding> &decodings,
                       Output &out);

// True when some scheme decodes the address.
bool anyRequest(const std::vector<Master::Decoding> &decodings);

} // namespace Corvane::Answers
