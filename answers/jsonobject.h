// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

// One JSON text read by the grammar of RFC 8259, for requests that are flat
// objects: the members of the top object are kept, nested values are only
// checked. Numbers keep the text they were written with.
//
// Read by hand rather than by nlohmann-json's SAX parser: that parser, tried,
// took three times as long a line, and says what is wrong in its own words at
// its own positions, so keeping these messages meant reading its English.
namespace Corvane::Answers {

enum class JsonKind { Text, Number, True, False, Null, Object, Array };

struct JsonMember {
    std::string name;
    JsonKind kind = JsonKind::Null;
    std::string text; // a text decoded, a number's lexeme as written; empty otherwise
};

enum class JsonShape {
    Object,     // one object, with blanks around it at most
    OtherValue, // valid JSON, but not an object
    Invalid,    // not JSON: `problem` says why
};

struct JsonObjectText {
    JsonShape shape = JsonShape::Invalid;
    std::vector<JsonMember> members;
    std::string problem; // "a text is not closed at column 9"
};

// {"a":"x","b":1e3,"c":{"d":[]}} -> Object, members a (Text "x"), b (Number "1e3"), c (Object);
// [1] -> OtherValue; {"a":1} x -> Invalid, "text after the value at column 9".
JsonObjectText readJsonObject(std::string_view text);

} // namespace Corvane::Answers
