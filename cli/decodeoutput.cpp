#include "cli/decodeoutput.h"

#include "cli/outcome.h"
#include "core/protocoladdress.h"

#include <string>

namespace Corvane::Cli {
namespace {

using Master::AddressingScheme;
using Master::DecodedRequest;
using Master::Decoding;
using Modbus::ModiconClassInfo;

// The Modicon reference where a decoded request starts, in its command's table.
Outcome startOf(const DecodedRequest &request)
{
    Outcome outcome;
    outcome.status = Status::Translated;
    if (request.command->table) {
        outcome.table = request.command->table;
        outcome.modiconStart =
            Modbus::modiconNumber(*request.command->table, request.registerNumber);
    }
    return outcome;
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

nlohmann::ordered_json decodingJson(std::string_view address,
                                    const std::vector<Decoding> &decodings)
{
    nlohmann::ordered_json json;
    json["address"] = address;
    json["ok"] = anyRequest(decodings);
    auto schemes = nlohmann::ordered_json::array();
    for (const Decoding &decoding : decodings) {
        nlohmann::ordered_json scheme;
        const bool plc3 = decoding.scheme.plc == Master::PlcType::Plc3;
        scheme["plc"] = Master::plcTypeRow(decoding.scheme.plc).number;
        scheme["format"] = plc3 ? nlohmann::ordered_json(nullptr)
                                : nlohmann::ordered_json(Master::schemeName(decoding.scheme));
        auto requests = nlohmann::ordered_json::array();
        for (const DecodedRequest &request : decoding.requests) {
            nlohmann::ordered_json item;
            item["function_code"] = request.command->functionCode;
            item["command"] = request.command->text;
            item["message_type"] = request.messageType;
            item["slave"] = request.slaveAddress;
            item["register"] = request.registerNumber;
            const Outcome start = startOf(request);
            if (start.modiconStart)
                item["modicon_start"] = *start.modiconStart;
            addDetails(item, start);
            requests.push_back(std::move(item));
        }
        scheme["requests"] = std::move(requests);
        scheme["why_none"] = decoding.whyNone.empty() ? nlohmann::ordered_json(nullptr)
                                                      : nlohmann::ordered_json(decoding.whyNone);
        schemes.push_back(std::move(scheme));
    }
    json["schemes"] = std::move(schemes);
    return json;
}

void writeDecodingText(std::string_view address, const std::vector<Decoding> &decodings,
                       std::ostream &out)
{
    for (const Decoding &decoding : decodings) {
        out << address << " under " << Master::schemeName(decoding.scheme) << ':';
        if (decoding.requests.empty()) {
            out << " no request, " << decoding.whyNone << '\n';
            continue;
        }
        out << '\n';
        for (const DecodedRequest &request : decoding.requests) {
            const Outcome start = startOf(request);
            const bool coils = start.table && Modbus::modiconClassInfo(*start.table).bitAddressed;
            out << "  " << request.command->number << ' ' << commandName(request.command->text)
                << " (" << direction(request.messageType) << "), slave " << request.slaveAddress
                << (coils ? ", start coil " : ", start register ") << request.registerNumber;
            if (start.table) {
                const ModiconClassInfo &info = Modbus::modiconClassInfo(*start.table);
                const Modbus::ProtocolAddress protocol =
                    Modbus::protocolAddress(*start.modiconStart, *start.table);
                out << ": " << info.table << ' ' << *start.modiconStart << ", offset "
                    << *protocol.offset << " (" << protocol.offsetHex << "), 6-digit "
                    << protocol.reference6;
            }
            out << '\n';
        }
    }
}

} // namespace Corvane::Cli
