#include "cli/outcome.h"

#include "core/protocoladdress.h"
#include "errors/errormessages.h"
#include "master/decode.h"
#include "master/details.h"
#include "slave/slavetranslation.h"

namespace Corvane::Cli {
namespace {

using Master::CommandDirection;
using Modbus::ModiconClass;
using Modbus::ModiconClassInfo;
using Modbus::ProtocolAddress;

// The commands that read or write a table: (Coils, Write) -> [5, 15].
nlohmann::ordered_json functionList(ModiconClass table, CommandDirection direction)
{
    auto list = nlohmann::ordered_json::array();
    for (const Master::ModbusCommand *command : Master::commandsFor(table, direction))
        list.push_back(command->functionCode);
    return list;
}

nlohmann::ordered_json jsonOrNull(const std::optional<std::int32_t> &value)
{
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json jsonOrNull(const std::string &text)
{
    return text.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(text);
}

std::string textOf(const std::optional<std::int32_t> &value)
{
    return value ? std::to_string(*value) : std::string();
}

// The position of a result column, found while compiling.
consteval std::size_t column(std::string_view name)
{
    for (std::size_t i = 0; i < kResultColumns.size(); ++i) {
        if (kResultColumns[i] == name)
            return i;
    }
    throw "no such result column";
}

} // namespace

Outcome translateSlave(const SlaveTexts &texts)
{
    const Slave::SlaveAnswer answer =
        Slave::TranslateSlave({texts.address, texts.start, texts.count});
    Outcome outcome;
    outcome.slave = true;
    if (!answer.ok()) {
        outcome.status = Status::Refused;
        outcome.code = answer.error.code;
        return outcome;
    }
    outcome.status = Status::Translated;
    outcome.file = answer.fileValue;
    outcome.word = answer.wordValue;
    outcome.modiconStart = answer.modiconStartValue;
    outcome.modiconEnd = answer.modiconEndValue;
    // The end decides the class of the whole range, as the mapping itself does.
    outcome.table = Modbus::modiconClassOf(answer.modiconEndValue);
    return outcome;
}

Outcome translateMaster(const MasterSettings &settings)
{
    const Master::MasterWindowState state = settings.windowState();
    const Master::MasterAnswer answer = Master::TranslateMaster(state);
    Outcome outcome;
    if (!answer.ok()) {
        outcome.status = Status::Refused;
        outcome.code = answer.error.code;
        return outcome;
    }
    outcome.status = Status::Translated;
    outcome.address = answer.address;
    const Master::ModbusCommand *command = Master::commandWithText(settings.command);
    if (command && command->table) {
        const std::int16_t registerNumber = Master::ReadMasterInputs(state).registerNumber;
        outcome.table = command->table;
        outcome.modiconStart = Modbus::modiconNumber(*command->table, registerNumber);
    }
    return outcome;
}

Outcome translate(const Request &request)
{
    if (const auto *slave = std::get_if<SlaveTexts>(&request))
        return translateSlave(*slave);
    const auto resolved = resolveMaster(std::get<MasterTexts>(request));
    if (const auto *error = std::get_if<RequestError>(&resolved))
        return invalid(error->message);
    return translateMaster(std::get<MasterSettings>(resolved));
}

Outcome invalid(std::string error)
{
    Outcome outcome;
    outcome.status = Status::Invalid;
    outcome.error = std::move(error);
    return outcome;
}

void addDetails(nlohmann::ordered_json &json, const Outcome &outcome)
{
    if (!outcome.table || !outcome.modiconStart)
        return;
    const ModiconClassInfo &info = Modbus::modiconClassInfo(*outcome.table);
    json["table"] = info.table;
    json["reference"] = info.reference;
    const ProtocolAddress start = Modbus::protocolAddress(*outcome.modiconStart, *outcome.table);
    json["start_offset"] = jsonOrNull(start.offset);
    json["start_offset_hex"] = jsonOrNull(start.offsetHex);
    json["start_reference6"] = jsonOrNull(start.reference6);
    if (outcome.modiconEnd) {
        const ProtocolAddress end = Modbus::protocolAddress(*outcome.modiconEnd, *outcome.table);
        json["end_offset"] = jsonOrNull(end.offset);
        json["end_offset_hex"] = jsonOrNull(end.offsetHex);
        json["end_reference6"] = jsonOrNull(end.reference6);
    }
    json["read_functions"] = functionList(*outcome.table, CommandDirection::Read);
    json["write_functions"] = functionList(*outcome.table, CommandDirection::Write);
}

nlohmann::ordered_json toJson(const Outcome &outcome, std::string_view positionName, long position)
{
    nlohmann::ordered_json json;
    switch (outcome.status) {
    case Status::Translated:
        json["ok"] = true;
        if (outcome.slave) {
            json["file"] = outcome.file;
            json["word"] = outcome.word;
        } else {
            json["address"] = outcome.address;
        }
        if (outcome.modiconStart)
            json["modicon_start"] = *outcome.modiconStart;
        if (outcome.modiconEnd)
            json["modicon_end"] = *outcome.modiconEnd;
        addDetails(json, outcome);
        break;
    case Status::Refused:
        json["ok"] = false;
        json["code"] = static_cast<int>(outcome.code);
        json["title"] = Errors::kErrorBoxTitle;
        json["message"] = Errors::errorText(outcome.code);
        break;
    case Status::Invalid:
        json["ok"] = false;
        if (!positionName.empty())
            json[std::string(positionName)] = position;
        json["error"] = outcome.error;
        break;
    }
    return json;
}

void writeText(const Outcome &outcome, std::ostream &out, std::ostream &err)
{
    switch (outcome.status) {
    case Status::Translated:
        if (outcome.slave)
            out << "file " << outcome.file << " word " << outcome.word << " modicon "
                << *outcome.modiconStart << '-' << *outcome.modiconEnd << '\n';
        else
            out << outcome.address << '\n';
        if (outcome.table && outcome.modiconStart)
            out << Master::detailsLine(*outcome.table, *outcome.modiconStart, outcome.modiconEnd)
                << '\n';
        break;
    case Status::Refused:
        err << Errors::kErrorBoxTitle << '\n';
        for (std::string_view line : Errors::errorLines(outcome.code))
            err << line << '\n';
        break;
    case Status::Invalid:
        err << outcome.error << '\n';
        break;
    }
}

std::array<std::string, kResultColumns.size()> resultFields(const Outcome &outcome)
{
    std::array<std::string, kResultColumns.size()> fields;
    const auto set = [&fields](std::size_t index, std::string value) {
        fields[index] = std::move(value);
    };
    switch (outcome.status) {
    case Status::Translated:
        set(column("result"), "ok");
        if (outcome.slave) {
            set(column("file"), std::to_string(outcome.file));
            set(column("word"), std::to_string(outcome.word));
        } else {
            set(column("address"), outcome.address);
        }
        set(column("modicon_start"), textOf(outcome.modiconStart));
        set(column("modicon_end"), textOf(outcome.modiconEnd));
        if (outcome.table && outcome.modiconStart) {
            const ModiconClassInfo &info = Modbus::modiconClassInfo(*outcome.table);
            set(column("table"), std::string(info.table));
            set(column("reference"), std::string(info.reference));
            const ProtocolAddress start =
                Modbus::protocolAddress(*outcome.modiconStart, *outcome.table);
            set(column("start_offset"), textOf(start.offset));
            set(column("start_offset_hex"), start.offsetHex);
            set(column("start_reference6"), start.reference6);
            if (outcome.modiconEnd) {
                const ProtocolAddress end =
                    Modbus::protocolAddress(*outcome.modiconEnd, *outcome.table);
                set(column("end_offset"), textOf(end.offset));
                set(column("end_offset_hex"), end.offsetHex);
                set(column("end_reference6"), end.reference6);
            }
            set(column("read_functions"),
                Master::functionNumbers(*outcome.table, CommandDirection::Read, ","));
            set(column("write_functions"),
                Master::functionNumbers(*outcome.table, CommandDirection::Write, ","));
        }
        break;
    case Status::Refused:
        set(column("result"), "refused");
        set(column("error_code"), std::to_string(outcome.code));
        set(column("error_message"), Errors::errorText(outcome.code));
        break;
    case Status::Invalid:
        set(column("result"), "invalid");
        set(column("error_message"), outcome.error);
        break;
    }
    return fields;
}

} // namespace Corvane::Cli
