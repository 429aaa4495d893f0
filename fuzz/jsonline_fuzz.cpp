// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
// The JSON Lines request reader of corvane-cli, two ways on the same bytes.
//
// As they are, one line: reading never fails outright; a refused line says
// why in a bounded message; a value read whole stays so between blanks and is
// refused with anything after it.
//
// As a recipe (FuzzedDataProvider): a request object built from fuzzed texts
// and numbers, every character written raw or escaped at random, the members
// in any order. It reads back to exactly those texts, its numbers to their
// decimal text; broken on purpose (a field twice, one unknown, a value of
// the wrong kind, a bad mode, text after it), it is refused with the message
// for that fault, quoting at most 80 characters of the user's text.
#include "answers/jsonlines.h"
#include "answers/jsonobject.h"
#include "answers/request.h"
#include "core/numberreading.h"
#include "fuzzinput.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using namespace Corvane;

namespace {

// A text as code points, so that its expected quote can be counted apart
// from the reader.
struct Text {
    std::vector<std::uint32_t> codePoints;
};

void appendUtf8(std::string &out, std::uint32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    const int tail = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    static constexpr std::array<unsigned, 4> kLead{0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLead[static_cast<std::size_t>(tail)] | (c >> (6 * tail)));
    for (int i = tail - 1; i >= 0; --i)
        out += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
}

std::string utf8(const Text &text, std::size_t count = SIZE_MAX)
{
    std::string out;
    for (std::size_t i = 0; i < std::min(count, text.codePoints.size()); ++i)
        appendUtf8(out, text.codePoints[i]);
    return out;
}

Text asciiText(std::string_view ascii) { return {{ascii.begin(), ascii.end()}}; }

// The quote a message gives a user's text: 80 characters at most, control
// characters escaped as C writes them, so that the message is one line.
std::string expectedQuote(const Text &text)
{
    std::string quoted = "\"";
    for (std::size_t i = 0; i < std::min<std::size_t>(80, text.codePoints.size()); ++i) {
        const std::uint32_t c = text.codePoints[i];
        if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            static constexpr std::string_view kHex = "0123456789abcdef";
            quoted += "\\x";
            quoted += kHex[c >> 4];
            quoted += kHex[c & 0xF];
        } else {
            appendUtf8(quoted, c);
        }
    }
    return quoted + "\"" + (text.codePoints.size() > 80 ? "..." : "");
}

Text randomText(FuzzedDataProvider &fuzz, std::size_t longest)
{
    Text text;
    const auto length = fuzz.ConsumeIntegralInRange<std::size_t>(0, longest);
    for (std::size_t i = 0; i < length && fuzz.remaining_bytes() > 0; ++i) {
        std::uint32_t c = 0;
        switch (fuzz.ConsumeIntegralInRange(0, 3)) {
        case 0:
        case 1:
            c = fuzz.ConsumeIntegralInRange<std::uint32_t>(0, 0x7F);
            break;
        case 2:
            c = fuzz.ConsumeIntegralInRange<std::uint32_t>(0x80, 0xFFFF - 0x800);
            if (c >= 0xD800)
                c += 0x800; // past the surrogates
            break;
        default:
            c = fuzz.ConsumeIntegralInRange<std::uint32_t>(0x10000, 0x10FFFF);
        }
        text.codePoints.push_back(c);
    }
    return text;
}

void appendHex4(std::string &out, std::uint32_t value, bool upper)
{
    const char *digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += digits[(value >> shift) & 0xF];
}

// The text as a JSON string, each character raw, by its short escape or by
// \u (a surrogate pair above U+FFFF), as the fuzzer picks.
std::string jsonString(FuzzedDataProvider &fuzz, const Text &text)
{
    static constexpr std::string_view kShort = "\"\\/\b\f\n\r\t";
    static constexpr std::string_view kShortLetters = "\"\\/bfnrt";
    std::string out = "\"";
    for (const std::uint32_t c : text.codePoints) {
        const int style = fuzz.ConsumeIntegralInRange(0, 3);
        const std::size_t shortEscape = c < 0x80 ? kShort.find(static_cast<char>(c)) : kShort.npos;
        const bool rawAllowed = c >= 0x20 && c != '"' && c != '\\';
        if (style <= 1 && rawAllowed) {
            appendUtf8(out, c);
        } else if (style == 2 && shortEscape != kShort.npos) {
            out += '\\';
            out += kShortLetters[shortEscape];
        } else if (c < 0x10000) {
            appendHex4(out, c, fuzz.ConsumeBool());
        } else {
            const bool upper = fuzz.ConsumeBool();
            appendHex4(out, 0xD800 + ((c - 0x10000) >> 10), upper);
            appendHex4(out, 0xDC00 + ((c - 0x10000) & 0x3FF), upper);
        }
    }
    return out + "\"";
}

std::string blanks(FuzzedDataProvider &fuzz)
{
    static constexpr std::array<std::string_view, 5> kBlanks{"", "", " ", "\t", " \r "};
    return std::string(kBlanks[fuzz.ConsumeIntegralInRange<std::size_t>(0, kBlanks.size() - 1)]);
}

std::string digits(FuzzedDataProvider &fuzz, std::size_t longest)
{
    std::string out;
    const auto length = fuzz.ConsumeIntegralInRange<std::size_t>(1, longest);
    for (std::size_t i = 0; i < length; ++i)
        out += static_cast<char>('0' + fuzz.ConsumeIntegralInRange(0, 9));
    return out;
}

// What a field should read as: a text exactly, or, for a number so large or
// so small that its digits are cut, the value the rules read from it.
struct Expected {
    std::string text;
    bool exact = true;
    std::optional<std::int32_t> value;
};

// A JSON number and its decimal text, worked out on the digit string: the
// point moved by the exponent, zeros that carry no value dropped. The reader
// adds at most 24 zeros on either side of the digits; past that only the
// value as the rules read it (out of range, or 0) is compared.
std::pair<std::string, Expected> randomNumber(FuzzedDataProvider &fuzz)
{
    const bool negative = fuzz.ConsumeBool();
    std::string whole = fuzz.ConsumeBool() ? "0" : digits(fuzz, 30);
    if (whole.size() > 1 && whole[0] == '0')
        whole[0] = '1';
    const std::string fraction = fuzz.ConsumeBool() ? digits(fuzz, 30) : "";
    long exponent = 0;
    std::string lexeme = (negative ? "-" : "") + whole;
    if (!fraction.empty())
        lexeme += "." + fraction;
    if (fuzz.ConsumeBool()) {
        const int sign = fuzz.ConsumeIntegralInRange(0, 2); // none, +, -
        const std::string exponentDigits = digits(fuzz, 3);
        lexeme += fuzz.ConsumeBool() ? "e" : "E";
        lexeme += sign == 1 ? "+" : sign == 2 ? "-" : "";
        lexeme += exponentDigits;
        exponent = std::stol(exponentDigits) * (sign == 2 ? -1 : 1);
    }

    const std::string all = whole + fraction;
    const long point = static_cast<long>(whole.size()) + exponent;
    const bool allZeros = all.find_first_not_of('0') == std::string::npos;
    Expected expected;
    if (point < -24 || point > static_cast<long>(all.size()) + 24) {
        expected.exact = false;
        if (allZeros || point < 0)
            expected.value = 0;
        return {lexeme, expected};
    }
    std::string integer, decimals;
    if (point <= 0) {
        integer = "0";
        decimals = std::string(static_cast<std::size_t>(-point), '0') + all;
    } else if (point >= static_cast<long>(all.size())) {
        integer = all + std::string(static_cast<std::size_t>(point) - all.size(), '0');
    } else {
        integer = all.substr(0, static_cast<std::size_t>(point));
        decimals = all.substr(static_cast<std::size_t>(point));
    }
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
    decimals.erase(decimals.find_last_not_of('0') + 1);
    expected.text = (negative ? "-" : "") + integer + (decimals.empty() ? "" : "." + decimals);
    return {lexeme, expected};
}

bool readsAs(const std::optional<std::string> &got, const std::optional<Expected> &expected)
{
    if (!got || !expected)
        return !got && !expected;
    if (expected->exact)
        return *got == expected->text;
    return NumberReading::wholeText32(*got) == expected->value;
}

// A value that is neither text nor number, and the words a refusal uses.
std::pair<std::string, std::string> wrongKindValue(FuzzedDataProvider &fuzz)
{
    switch (fuzz.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return {"true", "true or false"};
    case 1:
        return {"false", "true or false"};
    default: {
        // Deep nests are read without recursion.
        const auto depth = fuzz.ConsumeIntegralInRange<std::size_t>(1, 2000);
        const bool object = fuzz.ConsumeBool();
        std::string value;
        for (std::size_t i = 0; i < depth; ++i)
            value += object ? "{\"k\":[" : "[";
        value += "1";
        for (std::size_t i = 0; i < depth; ++i)
            value += object ? "]}" : "]";
        return {value, object ? "an object" : "an array"};
    }
    }
}

struct Member {
    Text name;
    std::string json; // the name and value as written
};

enum class Fault { None, TextAfter, Twice, Unknown, WrongKind, BadMode, Count };

void checkBuiltRequest(FuzzedDataProvider &fuzz, std::string_view input)
{
    const bool slave = fuzz.ConsumeBool();
    const auto fault =
        static_cast<Fault>(fuzz.ConsumeIntegralInRange(0, static_cast<int>(Fault::Count) - 1));
    static constexpr std::array<std::string_view, 3> kSlaveFields{"address", "start", "count"};
    static constexpr std::array<std::string_view, 7> kMasterFields{
        "plc", "format", "message_type", "command", "subfunction", "register", "slave"};
    const std::span<const std::string_view> names =
        slave ? std::span<const std::string_view>(kSlaveFields) : kMasterFields;

    const auto member = [&fuzz](const Text &name, const std::string &value) {
        return Member{name, blanks(fuzz) + jsonString(fuzz, name) + blanks(fuzz) + ":" +
                                blanks(fuzz) + value + blanks(fuzz)};
    };
    std::vector<Member> members;
    Text mode = asciiText(slave ? "slave" : "master");
    if (fault == Fault::BadMode) {
        mode = randomText(fuzz, 120);
        const std::string modeText = utf8(mode);
        if (modeText == "slave" || modeText == "master")
            return;
    }
    members.push_back(member(asciiText("mode"), jsonString(fuzz, mode)));

    std::vector<std::optional<Expected>> expected(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int kind = fuzz.ConsumeIntegralInRange(0, 3); // missing, null, text, number
        if (kind == 0)
            continue;
        std::string value = "null";
        if (kind == 2) {
            const Text text = randomText(fuzz, 40);
            value = jsonString(fuzz, text);
            expected[i] = Expected{utf8(text), true, std::nullopt};
        } else if (kind == 3) {
            auto [lexeme, number] = randomNumber(fuzz);
            value = lexeme;
            expected[i] = number;
        }
        members.push_back(member(asciiText(names[i]), value));
    }

    std::string message;
    if (fault == Fault::Twice) {
        const Member again =
            members[fuzz.ConsumeIntegralInRange<std::size_t>(0, members.size() - 1)];
        members.push_back(member(again.name, "\"again\""));
        message = "field " + expectedQuote(again.name) + " is given twice";
    } else if (fault == Fault::Unknown) {
        const Text name = randomText(fuzz, 120);
        const std::string nameText = utf8(name);
        if (Answers::isRequestField(nameText) || nameText == "mode")
            return;
        members.push_back(member(name, jsonString(fuzz, randomText(fuzz, 10))));
        message = "unknown field " + expectedQuote(name);
    } else if (fault == Fault::WrongKind) {
        const Text name =
            asciiText(names[fuzz.ConsumeIntegralInRange<std::size_t>(0, names.size() - 1)]);
        if (std::any_of(members.begin(), members.end(),
                        [&name](const Member &m) { return m.name.codePoints == name.codePoints; }))
            return;
        const auto [value, words] = wrongKindValue(fuzz);
        members.push_back(member(name, value));
        message = "field " + expectedQuote(name) + " must be a text or a number, not " + words;
    } else if (fault == Fault::BadMode) {
        message = "mode must be \"slave\" or \"master\", not " + expectedQuote(mode);
    }
    // Members come in any order; of a field given twice the later one is
    // named, which is the same name.
    for (std::size_t i = members.size(); i > 1; --i)
        std::swap(members[i - 1], members[fuzz.ConsumeIntegralInRange<std::size_t>(0, i - 1)]);

    std::string line = blanks(fuzz) + "{";
    for (std::size_t i = 0; i < members.size(); ++i)
        line += (i > 0 ? "," : "") + members[i].json;
    line += "}" + blanks(fuzz);
    if (fault == Fault::TextAfter) {
        static constexpr std::array<std::string_view, 5> kAfter{"x", "}", ",", "{}", "\"\""};
        line += blanks(fuzz);
        line += kAfter[fuzz.ConsumeIntegralInRange<std::size_t>(0, kAfter.size() - 1)];
    }

    const auto request = Answers::requestFromJsonLine(line);
    const auto *error = std::get_if<Answers::RequestError>(&request);
    if (fault == Fault::TextAfter) {
        Fuzz::check(error && error->message.starts_with("not valid JSON: text after the value"),
                    "text after the object is refused", input);
        return;
    }
    if (fault != Fault::None) {
        Fuzz::check(error && error->message == message, "a broken request gets its own message",
                    input);
        return;
    }
    Fuzz::check(!error, "a well-formed request is read", input);
    const auto at = [&expected](std::size_t i) { return expected[i]; };
    // A slave field, a register or a slave address not given is the empty text.
    const auto orEmpty = [](std::optional<Expected> e) { return e ? *e : Expected{}; };
    if (slave) {
        const auto &texts = std::get<Answers::SlaveTexts>(std::get<Answers::Request>(request));
        Fuzz::check(readsAs(texts.address, orEmpty(at(0))) &&
                        readsAs(texts.start, orEmpty(at(1))) &&
                        readsAs(texts.count, orEmpty(at(2))),
                    "a slave request reads back to the texts and numbers written", input);
    } else {
        const auto &texts = std::get<Answers::MasterTexts>(std::get<Answers::Request>(request));
        Fuzz::check(readsAs(texts.plc, at(0)) && readsAs(texts.format, at(1)) &&
                        readsAs(texts.messageType, at(2)) && readsAs(texts.command, at(3)) &&
                        readsAs(texts.subfunction, at(4)) &&
                        readsAs(texts.registerText, orEmpty(at(5))) &&
                        readsAs(texts.slave, orEmpty(at(6))),
                    "a master request reads back to the texts and numbers written", input);
    }
}

// The longest refusal: the longest fixed words, and one quote of 80
// characters of at most 4 bytes each.
constexpr std::size_t kLongestMessage = 120 + 2 + 80 * 4 + 3;

void checkRawLine(std::string_view line, std::string_view input)
{
    const Answers::JsonObjectText object = Answers::readJsonObject(line);
    if (object.shape == Answers::JsonShape::Invalid) {
        Fuzz::check(object.members.empty() && !object.problem.empty(),
                    "an invalid text says why and keeps no members", input);
        const std::size_t column = object.problem.rfind(" at column ");
        Fuzz::check(column != std::string::npos &&
                        std::stoul(object.problem.substr(column + 11)) <= line.size() + 1,
                    "a problem names a column within the line", input);
    } else {
        const std::string padded = " \t" + std::string(line) + "\r ";
        const Answers::JsonObjectText again = Answers::readJsonObject(padded);
        Fuzz::check(again.shape == object.shape && again.members.size() == object.members.size(),
                    "blanks around a value change nothing", input);
        for (std::size_t i = 0; i < object.members.size(); ++i) {
            Fuzz::check(again.members[i].name == object.members[i].name &&
                            again.members[i].kind == object.members[i].kind &&
                            again.members[i].text == object.members[i].text,
                        "blanks around a value change nothing", input);
        }
        const Answers::JsonObjectText after = Answers::readJsonObject(std::string(line) + " x");
        Fuzz::check(after.shape == Answers::JsonShape::Invalid &&
                        after.problem.starts_with("text after the value"),
                    "anything after the value is refused", input);
        for (const Answers::JsonMember &member : object.members) {
            if (member.kind == Answers::JsonKind::Number)
                Fuzz::check(Answers::jsonNumberText(member.text).size() <= member.text.size() + 26,
                            "a number's decimal text adds at most 24 zeros", input);
        }
    }

    const auto request = Answers::requestFromJsonLine(line);
    if (const auto *error = std::get_if<Answers::RequestError>(&request)) {
        Fuzz::check(!error->message.empty() && error->message.size() <= kLongestMessage,
                    "a refusal quotes at most 80 characters of the line", input);
        Fuzz::check(object.shape == Answers::JsonShape::Object ||
                        !error->message.starts_with("field"),
                    "only an object's fields are blamed", input);
    } else {
        Fuzz::check(object.shape == Answers::JsonShape::Object, "only an object is a request",
                    input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input = Fuzz::asText(data, size);
    checkRawLine(input, input);
    FuzzedDataProvider fuzz(data, size);
    checkBuiltRequest(fuzz, input);
    return 0;
}
