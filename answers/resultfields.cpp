// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#include "answers/resultfields.h"

#include "errors/errormessages.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace Corvane::Answers {
namespace {

// A field's value for one answer, as both formats read it.
struct Value {
    enum class Kind : unsigned char {
        Absent, // JSON leaves the member out, CSV leaves the cell empty
        Null,   // JSON null, an empty cell
        Flag,   // JSON true or false (`number` 1 or 0); not a CSV column
        Number,
        Text,     // a user's or a message's text: quoted and escaped as it needs
        Word,     // this program's own word or number text: never needs quotes
        Codes,    // function codes: a JSON array, a CSV cell "06,16"
        Warnings, // a JSON array of objects, a CSV cell of messages
    };

    constexpr Value() = default;
    constexpr explicit Value(Kind kind, std::int64_t number = 0) : kind(kind), number(number) {}
    constexpr Value(Kind kind, std::string_view text) : kind(kind), text(text) {}
    constexpr explicit Value(const FunctionCodes &codes) : kind(Kind::Codes), codes(&codes) {}
    constexpr explicit Value(const std::vector<Warning> &warnings)
        : kind(Kind::Warnings), warnings(&warnings)
    {
    }

    Kind kind = Kind::Absent;
    std::int64_t number = 0;
    std::string_view text;
    const FunctionCodes *codes = nullptr;
    const std::vector<Warning> *warnings = nullptr;
};

constexpr Value absent() { return {}; }
constexpr Value null() { return Value(Value::Kind::Null); }
constexpr Value flag(bool set) { return Value(Value::Kind::Flag, set ? 1 : 0); }
constexpr Value number(std::int64_t number) { return Value(Value::Kind::Number, number); }
constexpr Value text(std::string_view text) { return {Value::Kind::Text, text}; }
constexpr Value word(std::string_view text) { return {Value::Kind::Word, text}; }
constexpr Value codes(const FunctionCodes &codes) { return Value(codes); }

// One answer as the fields read it: the details are worked out once a row.
struct Row {
    const Answer &answer;
    const Details *details; // none for an answer without Modicon numbers

    bool translated() const { return answer.status == Status::Translated; }
    bool refused() const { return answer.status == Status::Refused; }
    bool invalid() const { return answer.status == Status::Invalid; }
    bool slave() const { return translated() && answer.slave; }
    bool master() const { return translated() && !answer.slave; }
};

enum Format : unsigned char { Csv = 1, Json = 2, Both = Csv | Json };

struct Field {
    std::string_view name;
    Format format;
    Value (*value)(const Row &row);
    // One of the details of the answer's range, read from them alone.
    bool detail = false;
    // Where an invalid request's position in its input ("row", "line")
    // stands; the writer names it.
    bool position = false;
};

Value resultWord(const Row &row)
{
    switch (row.answer.status) {
    case Status::Translated:
        return word("ok");
    case Status::Refused:
        return word("refused");
    case Status::Invalid:
        break;
    }
    return word("invalid");
}

Value errorMessage(const Row &row)
{
    if (row.refused())
        return text(Errors::errorText(row.answer.code));
    return row.invalid() ? text(row.answer.error) : absent();
}

// The protocol's name of the start or the end of the answer's range: the
// number, null beyond the protocol's offsets, absent where the answer has
// no such end.
template <Value (*Of)(const Endpoint &)> Value atStart(const Row &row)
{
    return row.details ? Of(row.details->start) : absent();
}
template <Value (*Of)(const Endpoint &)> Value atEnd(const Row &row)
{
    return row.details && row.details->end ? Of(*row.details->end) : absent();
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
    Field{"ok", Json, [](const Row &r) { return flag(r.translated()); }},
    Field{"result", Csv, resultWord},
    Field{"", Json, [](const Row &) { return absent(); }, false, true},
    Field{"file", Both, [](const Row &r) { return r.slave() ? number(r.answer.file) : absent(); }},
    Field{"word", Both, [](const Row &r) { return r.slave() ? number(r.answer.word) : absent(); }},
    Field{"address", Json,
          [](const Row &r) { return r.master() ? text(r.answer.address) : absent(); }},
    Field{"modicon_start", Both,
          [](const Row &r) { return r.answer.range ? number(r.answer.range->start) : absent(); }},
    Field{"modicon_end", Both,
          [](const Row &r) {
              const auto &range = r.answer.range;
              return range && range->end ? number(*range->end) : absent();
          }},
    Field{"data_table_address", Csv,
          [](const Row &r) { return r.master() ? text(r.answer.address) : absent(); }},
    Field{"error_code", Csv,
          [](const Row &r) {
              return r.refused() ? number(static_cast<int>(r.answer.code)) : absent();
          }},
    Field{"code", Json,
          [](const Row &r) {
              return r.refused() ? number(static_cast<int>(r.answer.code)) : absent();
          }},
    Field{"title", Json,
          [](const Row &r) { return r.refused() ? text(Errors::kErrorBoxTitle) : absent(); }},
    Field{"message", Json, [](const Row &r) { return r.refused() ? errorMessage(r) : absent(); }},
    Field{"error", Json, [](const Row &r) { return r.invalid() ? errorMessage(r) : absent(); }},
    Field{"error_message", Csv, errorMessage},
    Field{"table", Both,
          [](const Row &r) { return r.details ? word(r.details->table->table) : absent(); }, true},
    Field{"reference", Both,
          [](const Row &r) { return r.details ? word(r.details->table->reference) : absent(); },
          true},
    Field{"start_offset", Both, atStart<offset>, true},
    Field{"start_offset_hex", Both, atStart<offsetHex>, true},
    Field{"start_reference6", Both, atStart<reference6>, true},
    Field{"end_offset", Both, atEnd<offset>, true},
    Field{"end_offset_hex", Both, atEnd<offsetHex>, true},
    Field{"end_reference6", Both, atEnd<reference6>, true},
    Field{"read_functions", Both,
          [](const Row &r) { return r.details ? codes(r.details->functions->read) : absent(); },
          true},
    Field{"write_functions", Both,
          [](const Row &r) { return r.details ? codes(r.details->functions->write) : absent(); },
          true},
    Field{"warnings", Both,
          [](const Row &r) {
              return r.answer.warnings.empty() ? absent() : Value(r.answer.warnings);
          }},
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

// Calls `write(field)` for every field of `fields`, unrolled while compiling,
// so that each field's value is a direct call that the compiler may inline:
// a batch writes a million rows.
template <const auto &Fields, typename Write> void forEachField(Write &&write)
{
    [&]<std::size_t... I>(std::index_sequence<I...>)
    {
        (write(std::integral_constant<std::size_t, I>{}), ...);
    }
    (std::make_index_sequence<Fields.size()>{});
}

// Inlined into every field's call, so that a field's value is never built
// in memory: the compiler sees which kinds a field can have.
[[gnu::always_inline]] inline void writeCell(Output &out, const Value &value, CellSafety safety)
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
    case Value::Kind::Warnings:
        writeCsvField(out, joinedWarnings(*value.warnings), safety);
        break;
    case Value::Kind::Absent:
    case Value::Kind::Null:
    case Value::Kind::Flag:
        break;
    }
}

[[gnu::always_inline]] inline void writeMember(JsonWriter &json, std::string_view name,
                                               const Value &value)
{
    switch (value.kind) {
    case Value::Kind::Absent:
        return;
    case Value::Kind::Null:
        json.member(name, nullptr);
        return;
    case Value::Kind::Flag:
        json.member(name, value.number != 0);
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
    case Value::Kind::Warnings:
        json.key(name);
        json.beginArray();
        for (const Warning &warning : *value.warnings) {
            json.beginObject();
            json.member("field", warning.field);
            json.member("text", warning.text);
            json.member("read_as", warning.value);
            json.member("reason", warning.reason);
            json.member("message", warning.message);
            json.endObject();
        }
        json.endArray();
        return;
    }
}

} // namespace

std::span<const std::string_view> resultColumns() { return kCsvNames; }

void writeResultCells(Output &out, const Answer &answer, CellSafety safety)
{
    const std::optional<Details> details = detailsOf(answer);
    const Row row{answer, details ? &*details : nullptr};
    forEachField<kCsvFields>(
        [&](auto index) { writeCell(out, kCsvFields[index].value(row), safety); });
}

void writeDetailsJson(JsonWriter &json, const Details &details)
{
    const Answer answer;
    const Row row{answer, &details};
    forEachField<kJsonFields>([&](auto index) {
        if constexpr (kJsonFields[index].detail)
            writeMember(json, kJsonFields[index].name, kJsonFields[index].value(row));
    });
}

void writeJson(JsonWriter &json, const Answer &answer, std::string_view positionName,
               std::int64_t position, std::string_view link)
{
    const std::optional<Details> details = detailsOf(answer);
    const Row row{answer, details ? &*details : nullptr};
    json.beginObject();
    forEachField<kJsonFields>([&](auto index) {
        if constexpr (kJsonFields[index].position) {
            if (row.invalid() && !positionName.empty())
                json.member(positionName, position);
        } else {
            writeMember(json, kJsonFields[index].name, kJsonFields[index].value(row));
        }
    });
    if (!link.empty())
        json.member("link", link);
    json.endObject();
}

} // namespace Corvane::Answers
