// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "cli/outcome.h"

#include "core/protocoladdress.h"
#include "errors/errormessages.h"
#include "master/commands.h"
#include "master/details.h"
#include "master/mastertranslation.h"
#include "slave/slavetranslation.h"

#include <vector>

namespace Corvane::Cli {
namespace {

using Master::CommandDirection;
using Modbus::ModiconClass;
using Modbus::ModiconClassInfo;
using Modbus::ProtocolAddress;

// The functions that read and write one table, in each form they are written
// in; worked out once per table, since every batch row asks for them.
struct TableFunctions {
    std::vector<std::int16_t> readCodes;  // {3}
    std::vector<std::int16_t> writeCodes; // {6, 16}
    std::string readCell;                 // 03
    std::string writeCell;                // "06,16" (quoted, as a CSV cell)
};

// "06,16" -> "\"06,16\"", as one CSV cell.
std::string csvCell(const std::string &text)
{
    std::string cell = csvRecordText(std::span(&text, 1));
    cell.resize(cell.size() - 2); // the record's CR LF
    return cell;
}

TableFunctions tableFunctionsOf(ModiconClass table)
{
    TableFunctions functions;
    for (const Master::ModbusCommand *command : Master::commandsFor(table, CommandDirection::Read))
        functions.readCodes.push_back(command->functionCode);
    for (const Master::ModbusCommand *command : Master::commandsFor(table, CommandDirection::Write))
        functions.writeCodes.push_back(command->functionCode);
    functions.readCell = csvCell(Master::functionNumbers(table, CommandDirection::Read, ","));
    functions.writeCell = csvCell(Master::functionNumbers(table, CommandDirection::Write, ","));
    return functions;
}

const TableFunctions &tableFunctions(ModiconClass table)
{
    static const std::array<TableFunctions, 4> kTables{
        tableFunctionsOf(ModiconClass::Coils), tableFunctionsOf(ModiconClass::DiscreteInputs),
        tableFunctionsOf(ModiconClass::InputRegisters),
        tableFunctionsOf(ModiconClass::HoldingRegisters)};
    return kTables[static_cast<std::size_t>(table)];
}

void writeCodes(JsonWriter &json, std::string_view name, const std::vector<std::int16_t> &codes)
{
    json.key(name);
    json.beginArray();
    for (const std::int16_t code : codes)
        json.value(code);
    json.endArray();
}

// The JSON names of a protocol address at the start or the end of a range.
struct ProtocolKeys {
    std::string_view offset;
    std::string_view offsetHex;
    std::string_view reference6;
};
constexpr ProtocolKeys kStartKeys{"start_offset", "start_offset_hex", "start_reference6"};
constexpr ProtocolKeys kEndKeys{"end_offset", "end_offset_hex", "end_reference6"};

// The protocol address of a Modicon number as three JSON members, null beyond
// the protocol's offsets.
void writeProtocolAddress(JsonWriter &json, const ProtocolKeys &keys, std::int32_t number,
                          ModiconClass table)
{
    const ProtocolAddress address = Modbus::protocolAddress(number, table);
    if (!address.offset) {
        for (const std::string_view key : {keys.offset, keys.offsetHex, keys.reference6})
            json.member(key, nullptr);
        return;
    }
    json.member(keys.offset, *address.offset);
    json.member(keys.offsetHex, address.offsetHex);
    json.member(keys.reference6, address.reference6);
}

// Cells that follow others in a CSV record, each with the comma before it.
class Cells {
public:
    Cells(Output &out, CellSafety safety) : m_out(out), m_safety(safety) {}
    void text(std::string_view value)
    {
        m_out.put(',');
        writeCsvField(m_out, value, m_safety);
    }
    // Texts that never need quotes or an apostrophe: numbers, table names.
    void plain(std::string_view value)
    {
        m_out.put(',');
        m_out.write(value);
    }
    void number(std::optional<std::int64_t> value)
    {
        m_out.put(',');
        if (value)
            m_out.number(*value);
    }
    void empty(std::size_t count = 1) { m_out.write(std::string_view(",,,,,,,,,,", count)); }

private:
    Output &m_out;
    CellSafety m_safety;
};

// offset, offset_hex and reference6 of a Modicon number.
void protocolCells(Cells &cells, std::int32_t number, ModiconClass table)
{
    const ProtocolAddress address = Modbus::protocolAddress(number, table);
    if (!address.offset) {
        cells.empty(3);
        return;
    }
    cells.number(*address.offset);
    cells.plain(address.offsetHex);
    cells.plain(address.reference6);
}

} // namespace

Outcome translateSlave(const Slave::SlaveFieldTexts &texts)
{
    const Slave::SlaveAnswer answer = Slave::TranslateSlave(texts);
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
    outcome.range = Slave::answerRange(answer);
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
    outcome.range = Master::requestRange(settings.command, settings.registerText);
    return outcome;
}

Outcome translate(const Request &request)
{
    if (const auto *slave = std::get_if<SlaveTexts>(&request))
        return translateSlave({slave->address, slave->start, slave->count});
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

void writeDetails(JsonWriter &json, const Modbus::ModiconRange &range)
{
    const ModiconClassInfo &info = Modbus::modiconClassInfo(range.table);
    json.member("table", info.table);
    json.member("reference", info.reference);
    writeProtocolAddress(json, kStartKeys, range.start, range.table);
    if (range.end)
        writeProtocolAddress(json, kEndKeys, *range.end, range.table);
    const TableFunctions &functions = tableFunctions(range.table);
    writeCodes(json, "read_functions", functions.readCodes);
    writeCodes(json, "write_functions", functions.writeCodes);
}

void writeJson(JsonWriter &json, const Outcome &outcome, std::string_view positionName,
               std::int64_t position)
{
    json.beginObject();
    switch (outcome.status) {
    case Status::Translated:
        json.member("ok", true);
        if (outcome.slave) {
            json.member("file", outcome.file);
            json.member("word", outcome.word);
        } else {
            json.member("address", outcome.address);
        }
        if (outcome.range) {
            json.member("modicon_start", outcome.range->start);
            if (outcome.range->end)
                json.member("modicon_end", *outcome.range->end);
            writeDetails(json, *outcome.range);
        }
        break;
    case Status::Refused:
        json.member("ok", false);
        json.member("code", static_cast<int>(outcome.code));
        json.member("title", Errors::kErrorBoxTitle);
        json.member("message", Errors::errorText(outcome.code));
        break;
    case Status::Invalid:
        json.member("ok", false);
        if (!positionName.empty())
            json.member(positionName, position);
        json.member("error", outcome.error);
        break;
    }
    json.endObject();
}

void writeText(const Outcome &outcome, Output &out, Output &err)
{
    switch (outcome.status) {
    case Status::Translated:
        if (outcome.slave) {
            out.write("file ");
            out.number(outcome.file);
            out.write(" word ");
            out.number(outcome.word);
            out.write(" modicon ");
            out.number(outcome.range->start);
            out.put('-');
            out.number(*outcome.range->end);
        } else {
            out.write(outcome.address);
        }
        out.put('\n');
        if (outcome.range) {
            out.write(Master::detailsLine(*outcome.range));
            out.put('\n');
        }
        break;
    case Status::Refused:
        err.write(Errors::kErrorBoxTitle);
        err.put('\n');
        for (std::string_view line : Errors::errorLines(outcome.code)) {
            err.write(line);
            err.put('\n');
        }
        break;
    case Status::Invalid:
        err.write(outcome.error);
        err.put('\n');
        break;
    }
}

void writeResultCells(Output &out, const Outcome &outcome, CellSafety safety)
{
    // In the order of kResultColumns.
    Cells cells(out, safety);
    switch (outcome.status) {
    case Status::Translated:
        cells.plain("ok");
        if (outcome.slave) {
            cells.number(outcome.file);
            cells.number(outcome.word);
        } else {
            cells.empty(2);
        }
        if (outcome.range) {
            cells.number(outcome.range->start);
            cells.number(outcome.range->end);
        } else {
            cells.empty(2);
        }
        if (outcome.slave)
            cells.empty();
        else
            cells.text(outcome.address);
        cells.empty(2); // error_code, error_message
        if (outcome.range) {
            const Modbus::ModiconRange &range = *outcome.range;
            const ModiconClassInfo &info = Modbus::modiconClassInfo(range.table);
            cells.plain(info.table);
            cells.plain(info.reference);
            protocolCells(cells, range.start, range.table);
            if (range.end)
                protocolCells(cells, *range.end, range.table);
            else
                cells.empty(3);
            const TableFunctions &functions = tableFunctions(range.table);
            cells.plain(functions.readCell);
            cells.plain(functions.writeCell);
        } else {
            cells.empty(10);
        }
        break;
    case Status::Refused:
        cells.plain("refused");
        cells.empty(5);
        cells.number(static_cast<int>(outcome.code));
        cells.text(Errors::errorText(outcome.code));
        cells.empty(10);
        break;
    case Status::Invalid:
        cells.plain("invalid");
        cells.empty(6);
        cells.text(outcome.error);
        cells.empty(10);
        break;
    }
}

} // namespace Corvane::Cli
