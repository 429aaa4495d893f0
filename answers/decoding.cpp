// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/decoding.h"

#include "answers/resultfields.h"
#include "core/protocoladdress.h"

#include <string>

namespace Corvane::Answers {
namespace {

using Master::AddressingScheme;
using Master::DecodedRequest;
using Master::Decoding;

// The Modicon number where a decoded request starts, in its command's table.
std::optional<Modbus::ModiconRange> startOf(const DecodedRequest &request)
{
    if (!request.command->table)
        return std::nullopt;
    const Modbus::ModiconClass table = *request.command->table;
    return Modbus::ModiconRange{table, Modbus::modiconNumber(table, request.registerNumber),
                                std::nullopt};
}

// " 03 - Read Holding Registers  (4X)" -> "Read Holding Registers"
std::string_view commandName(std::string_view text)
{
    text.remove_prefix(std::min<std::size_t>(text.find(" - ") + 3, text.size()));
    if (const std::size_t reference = text.find("  ("); reference != std::string_view::npos)
        text = text.substr(0, reference);
    return text;
}

// " Read" -> "read"
std::string direction(std::string_view messageType)
{
    return messageType == Master::kWriteMessageType ? "write" : "read";
}

} // namespace

std::vector<AddressingScheme> schemesToDecode(std::optional<Master::PlcType> plc,
                                              std::optional<Master::AddressFormat> format)
{
    std::vector<AddressingScheme> schemes;
    for (const AddressingScheme &scheme : Master::addressingSchemes()) {
        if (plc && scheme.plc != *plc)
            continue;
        if (format && !plc && (scheme.plc != Master::PlcType::Plc5 || scheme.format != *format))
            continue;
        if (format && plc == Master::PlcType::Plc5 && scheme.format != *format)
            continue;
        schemes.push_back(scheme);
    }
    return schemes;
}

std::vector<Decoding> decodeUnder(std::string_view address,
                                  const std::vector<AddressingScheme> &schemes)
{
    std::vector<Decoding> decodings;
    for (const AddressingScheme &scheme : schemes)
        decodings.push_back(Master::DecodeAddress(address, scheme));
    return decodings;
}

bool anyRequest(const std::vector<Decoding> &decodings)
{
    for (const Decoding &decoding : decodings) {
        if (!decoding.requests.empty())
            return true;
    }
    return false;
}

void writeDecodingJson(JsonWriter &json, std::string_view address,
                       const std::vector<Decoding> &decodings)
{
    json.beginObject();
    json.member("address", address);
    json.member("ok", anyRequest(decodings));
    json.key("schemes");
    json.beginArray();
    for (const Decoding &decoding : decodings) {
        json.beginObject();
        const bool plc3 = decoding.scheme.plc == Master::PlcType::Plc3;
        json.member("plc", Master::plcTypeRow(decoding.scheme.plc).number);
        json.key("format");
        if (plc3)
            json.value(nullptr);
        else
            json.value(Master::schemeName(decoding.scheme));
        json.key("requests");
        json.beginArray();
        for (const DecodedRequest &request : decoding.requests) {
            json.beginObject();
            json.member("function_code", request.command->functionCode);
            json.member("command", request.command->text);
            json.member("message_type", request.messageType);
            json.member("slave", request.slaveAddress);
            json.member("register", request.registerNumber);
            if (const auto start = startOf(request)) {
                json.member("modicon_start", start->start);
                writeDetailsJson(json, Details(*start));
            }
            json.endObject();
        }
        json.endArray();
        json.key("why_none");
        if (decoding.whyNone.empty())
            json.value(nullptr);
        else
            json.value(decoding.whyNone);
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

void writeDecodingText(std::string_view address, const std::vector<Decoding> &decodings,
                       Output &out)
{
    for (const Decoding &decoding : decodings) {
        out.write(address);
        out.write(" under ");
        out.write(Master::schemeName(decoding.scheme));
        out.put(':');
        if (decoding.requests.empty()) {
            out.write(" no request, ");
            out.write(decoding.whyNone);
            out.put('\n');
            continue;
        }
        out.put('\n');
        for (const DecodedRequest &request : decoding.requests) {
            const auto start = startOf(request);
            const bool coils = start && Modbus::modiconClassInfo(start->table).bitAddressed;
            out.write("  ");
            out.write(request.command->number);
            out.put(' ');
            out.write(commandName(request.command->text));
            out.write(" (");
            out.write(direction(request.messageType));
            out.write("), slave ");
            out.number(request.slaveAddress);
            out.write(coils ? ", start coil " : ", start register ");
            out.number(request.registerNumber);
            if (start) {
                const Modbus::ProtocolAddress protocol =
                    Modbus::protocolAddress(start->start, start->table);
                out.write(": ");
                out.write(Modbus::modiconClassInfo(start->table).table);
                out.put(' ');
                out.number(start->start);
                out.write(", offset ");
                out.number(*protocol.offset);
                out.write(" (");
                out.write(protocol.offsetHex);
                out.write("), 6-digit ");
                out.write(protocol.reference6);
            }
            out.put('\n');
        }
    }
}

} // namespace Corvane::Answers
