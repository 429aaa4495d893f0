// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/resultfields.h"

#include "errors/errormessages.h"

#include <algorithm>
#include <array>

namespace Corvane::Answers {
namespace {

// A field's value for one answer, as both formats read it.
struct Value {
    enum class Kind : unsigned char {
        Absent, // JSON leaves the member out, CSV leaves the cell empty
        Null,   // JSON null, an empty cell
        Flag,   // JSON true or false; not a CSV column
        Number,
        Text,  // a user's or a message's text: quoted and escaped as it needs
        Word,  // this program's own word or number text: never needs quotes
        Codes, // function codes: a JSON array, a CSV cell "06,16"
    };
    Kind kind = Kind::Absent;
    bool flag = false;
    std::int64_t number = 0;
    std::string_view text;
    const FunctionCodes *codes = nullptr;
};

constexpr Value absent() { return {}; }
constexpr Value valueOf(Value::Kind kind)
{
    Value value;
    value.kind = kind;
    return value;
}
constexpr Value null() { return valueOf(Value::Kind::Null); }
constexpr Value flag(bool set)
{
    Value value = valueOf(Value::Kind::Flag);
    value.flag = set;
    return value;
}
constexpr Value number(std::int64_t number)
{
    Value value = valueOf(Value::Kind::Number);
    value.number = number;
    return value;
}
constexpr Value text(std::string_view text)
{
    Value value = valueOf(Value::Kind::Text);
    value.text = text;
    return value;
}
constexpr Value word(std::string_view text)
{
    Value value = valueOf(Value::Kind::Word);
    value.text = text;
    return value;
}
constexpr Value codes(const FunctionCodes &codes)
{
    Value value = valueOf(Value::Kind::Codes);
    value.codes = &codes;
    return value;
}

enum Format : unsigned char { Csv = 1, Json = 2, Both = Csv | Json };

// The position of an invalid request in its input ("row", "line") is named by
// the writer; this field stands where it goes.
constexpr std::string_view kPosition = "(position)";

struct Field {
    std::string_view name;
    Format format;
    Value (*value)(const Answer &answer);
    // One of the details of the answer's range, read from them alone.
    bool detail = false;
};

bool translated(const Answer &answer) { return answer.status == Status::Translated; }
bool refused(const Answer &answer) { return answer.status == Status::Refused; }
bool invalidRequest(const Answer &answer) { return answer.status == Status::Invalid; }
bool slaveAnswer(const Answer &answer) { return translated(answer) && answer.slave; }
bool masterAnswer(const Answer &answer) { return translated(answer) && !answer.slave; }

Value resultWord(const Answer &answer)
{
    switch (answer.status) {
    case Status::Translated:
        return word("ok");
    case Status::Refused:
        return word("refused");
    case Status::Invalid:
        break;
    }
    return word("invalid");
}

// The protocol's name of the start or the end of the answer's range: the
// number, null beyond the protocol's offsets, absent where the answer has
// no such end.
template <Value (*Of)(const Endpoint &)> Value atStart(const Answer &answer)
{
    return answer.details ? Of(answer.details->start) : absent();
}
template <Value (*Of)(const Endpoint &)> Value atEnd(const Answer &answer)
{
    return answer.details && answer.details->end ? Of(*answer.details->end) : absent();
}
Value offset(const Endpoint &at)
{
    return at.protocol.offset ? number(*at.protocol.offset) : null();
}
Value offsetHex(const Endpoint &at)
{
    return at.protocol.offset ? word(at.protocol.offsetHex) : null();
}
Value reference6(const Endpoint &at)
{
    return at.protocol.offset ? word(at.protocol.reference6) : null();
}

// In the order of the CSV columns and of the JSON members alike; a field
// that one format writes elsewhere or not at all stands twice or once.
constexpr std::array kFields{
    Field{"ok", Json, [](const Answer &a) { return flag(translated(a)); }},
    Field{"result", Csv, resultWord},
    Field{kPosition, Json, [](const Answer &) { return absent(); }},
    Field{"file", Both, [](const Answer &a) { return slaveAnswer(a) ? number(a.file) : absent(); }},
    Field{"word", Both, [](const Answer &a) { return slaveAnswer(a) ? number(a.word) : absent(); }},
    Field{"address", Json,
          [](const Answer &a) { return masterAnswer(a) ? text(a.address) : absent(); }},
    Field{"modicon_start", Both,
          [](const Answer &a) { return a.range ? number(a.range->start) : absent(); }},
    Field{
        "modicon_end", Both,
        [](const Answer &a) { return a.range && a.range->end ? number(*a.range->end) : absent(); }},
    Field{"data_table_address", Csv,
          [](const Answer &a) { return masterAnswer(a) ? text(a.address) : absent(); }},
    Field{"error_code", Csv,
          [](const Answer &a) { return refused(a) ? number(static_cast<int>(a.code)) : absent(); }},
    Field{"code", Json,
          [](const Answer &a) { return refused(a) ? number(static_cast<int>(a.code)) : absent(); }},
    Field{"title", Json,
          [](const Answer &a) { return refused(a) ? text(Errors::kErrorBoxTitle) : absent(); }},
    Field{"message", Json,
          [](const Answer &a) { return refused(a) ? text(Errors::errorText(a.code)) : absent(); }},
    Field{"error", Json,
          [](const Answer &a) { return invalidRequest(a) ? text(a.error) : absent(); }},
    Field{"error_message", Csv,
          [](const Answer &a) {
              return refused(a)          ? text(Errors::errorText(a.code))
                     : invalidRequest(a) ? text(a.error)
                                         : absent();
          }},
    Field{"table", Both,
          [](const Answer &a) { return a.details ? word(a.details->table->table) : absent(); },
          true},
    Field{"reference", Both,
          [](const Answer &a) { return a.details ? word(a.details->table->reference) : absent(); },
          true},
    Field{"start_offset", Both, atStart<offset>, true},
    Field{"start_offset_hex", Both, atStart<offsetHex>, true},
    Field{"start_reference6", Both, atStart<reference6>, true},
    Field{"end_offset", Both, atEnd<offset>, true},
    Field{"end_offset_hex", Both, atEnd<offsetHex>, true},
    Field{"end_reference6", Both, atEnd<reference6>, true},
    Field{"read_functions", Both,
          [](const Answer &a) { return a.details ? codes(a.details->functions->read) : absent(); },
          true},
    Field{"write_functions", Both,
          [](const Answer &a) { return a.details ? codes(a.details->functions->write) : absent(); },
          true},
};

// The fields of one format, in order.
template <Format Which> constexpr auto fieldsOf()
{
    constexpr std::size_t count = static_cast<std::size_t>(
        std::count_if(kFields.begin(), kFields.end(),
                      [](const Field &field) { return (field.format & Which) != 0; }));
    std::array<Field, count> fields{};
    std::size_t at = 0;
    for (const Field &field : kFields) {
        if ((field.format & Which) != 0)
            fields[at++] = field;
    }
    return fields;
}
constexpr auto kCsvFields = fieldsOf<Csv>();
constexpr auto kJsonFields = fieldsOf<Json>();

constexpr auto kCsvNames = [] {
    std::array<std::string_view, kCsvFields.size()> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = kCsvFields[i].name;
    return names;
}();

void writeCell(Output &out, const Value &value, CellSafety safety)
{
    out.put(',');
    switch (value.kind) {
    case Value::Kind::Number:
        out.number(value.number);
        break;
    case Value::Kind::Text:
        writeCsvField(out, value.text, safety);
        break;
    case Value::Kind::Word:
        out.write(value.text);
        break;
    case Value::Kind::Codes:
        out.write(value.codes->cell);
        break;
    case Value::Kind::Absent:
    case Value::Kind::Null:
    case Value::Kind::Flag:
        break;
    }
}

void writeMember(JsonWriter &json, std::string_view name, const Value &value)
{
    switch (value.kind) {
    case Value::Kind::Absent:
        return;
    case Value::Kind::Null:
        json.member(name, nullptr);
        return;
    case Value::Kind::Flag:
        json.member(name, value.flag);
        return;
    case Value::Kind::Number:
        json.member(name, value.number);
        return;
    case Value::Kind::Text:
    case Value::Kind::Word:
        json.member(name, value.text);
        return;
    case Value::Kind::Codes:
        json.key(name);
        json.beginArray();
        for (const std::int16_t code : value.codes->codes)
            json.value(code);
        json.endArray();
        return;
    }
}

} // namespace

std::span<const std::string_view> resultColumns() { return kCsvNames; }

void writeResultCells(Output &out, const Answer &answer, CellSafety safety)
{
    for (const Field &field : kCsvFields)
        writeCell(out, field.value(answer), safety);
}

void writeDetailsJson(JsonWriter &json, const Details &details)
{
    Answer answer;
    answer.details = details;
    for (const Field &field : kJsonFields) {
        if (field.detail)
            writeMember(json, field.name, field.value(answer));
    }
}

void writeJson(JsonWriter &json, const Answer &answer, std::string_view positionName,
               std::int64_t position)
{
    json.beginObject();
    for (const Field &field : kJsonFields) {
        if (field.name == kPosition) {
            if (invalidRequest(answer) && !positionName.empty())
                json.member(positionName, position);
            continue;
        }
        writeMember(json, field.name, field.value(answer));
    }
    json.endObject();
}

} // namespace Corvane::Answers
