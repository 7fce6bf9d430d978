#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/Message.h"

namespace kelvane {

struct JsonMember;

// A JSON value as read from a file. A number keeps its text, so that whole
// numbers of 64 bits come through exactly and each reader decides what it
// accepts; a string holds UTF-8; an object keeps its members in file order.
struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text; // a number's text or a string's value
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;

    // The member of an object by name (the last when a name repeats); null
    // when there is none or this is not an object.
    const JsonValue* Member(std::string_view name) const;
};

struct JsonMember {
    std::string name;
    JsonValue value;
};

// Which members of objects a reader wants built: keep(depth, name), where
// depth is the object's own (0 for the outermost value, 2 for an object in an
// array in it).
using JsonMemberFilter = std::function<bool(int depth, std::string_view name)>;

// The value a JSON text holds (RFC 8259: no comments, no trailing commas;
// a UTF-8 byte order mark at the start is skipped). Strings must be UTF-8
// without raw control characters; values nest at most 64 deep, and at most
// 1,048,576 values are built. A member keep refuses is checked as JSON and
// left out, without building its value, so a large member nobody reads costs
// no memory. On a fault, none, and error says where and what: "line 3,
// column 14: expected ',' or '}'", with line set to the line.
std::optional<JsonValue> ParseJson(std::string_view text, Message& error, int& line,
                                   const JsonMemberFilter& keep = {});

} // namespace kelvane
