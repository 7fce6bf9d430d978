#include "core/text/JsonValue.h"

#include <cstdint>

#include "core/text/Utf8.h"

namespace kelvane {

namespace {

constexpr int MaxDepth = 64;
// Values built from one text at most: a sector's index of 5,120 systems
// builds about 120,000.
constexpr std::size_t MaxBuiltValues = std::size_t{1} << 20;

class Parser {
public:
    Parser(std::string_view text, Message& error, int& line, const JsonMemberFilter& keep)
        : m_text(text), m_error(error), m_line(line), m_keep(keep)
    {
        if (m_text.starts_with("\xEF\xBB\xBF"))
            m_at = 3;
    }

    std::optional<JsonValue> Document()
    {
        JsonValue value;
        if (!Value(value, 0))
            return std::nullopt;
        SkipSpace();
        if (m_at != m_text.size()) {
            Fail(Message(KELVANE_TEXT("CoreText", "unexpected text after the end of the value")));
            return std::nullopt;
        }
        return value;
    }

private:
    bool Fail(const Message& what)
    {
        int line = 1;
        std::size_t lineStart = 0;
        for (std::size_t i = 0; i < m_at && i < m_text.size(); ++i) {
            if (m_text[i] == '\n') {
                ++line;
                lineStart = i + 1;
            }
        }
        m_line = line;
        m_error =
            Message(KELVANE_TEXT("CoreText", "line %1, column %2: "), line, m_at - lineStart + 1) + what;
        return false;
    }

    void SkipSpace()
    {
        while (m_at < m_text.size() &&
               (m_text[m_at] == ' ' || m_text[m_at] == '\t' || m_text[m_at] == '\n' || m_text[m_at] == '\r'))
            ++m_at;
    }

    bool Literal(std::string_view word)
    {
        if (m_text.substr(m_at, word.size()) != word)
            return Fail(Message(KELVANE_TEXT("CoreText", "expected a value")));
        m_at += word.size();
        return true;
    }

    bool Value(JsonValue& value, int depth)
    {
        SkipSpace();
        if (m_at >= m_text.size())
            return Fail(Message(KELVANE_TEXT("CoreText", "the text ends where a value should be")));
        if (depth >= MaxDepth)
            return Fail(Message(KELVANE_TEXT("CoreText", "values nest too deep")));
        if (m_skipping == 0 && ++m_built > MaxBuiltValues)
            return Fail(Message(KELVANE_TEXT("CoreText", "more than %1 values"), MaxBuiltValues));
        switch (m_text[m_at]) {
        case '{': return Object(value, depth);
        case '[': return Array(value, depth);
        case '"': value.kind = JsonValue::Kind::String; return String(value.text);
        case 't': value.kind = JsonValue::Kind::Bool, value.boolean = true; return Literal("true");
        case 'f': value.kind = JsonValue::Kind::Bool; return Literal("false");
        case 'n': value.kind = JsonValue::Kind::Null; return Literal("null");
        default: return Number(value);
        }
    }

    bool Digits()
    {
        const std::size_t start = m_at;
        while (m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9')
            ++m_at;
        return m_at > start;
    }

    bool Number(JsonValue& value)
    {
        const std::size_t start = m_at;
        if (m_text[m_at] == '-')
            ++m_at;
        if (m_at < m_text.size() && m_text[m_at] == '0')
            ++m_at;
        else if (!Digits())
            return Fail(Message(KELVANE_TEXT("CoreText", "expected a value")));
        if (m_at < m_text.size() && m_text[m_at] == '.') {
            ++m_at;
            if (!Digits())
                return Fail(Message(KELVANE_TEXT("CoreText", "expected a digit after the decimal point")));
        }
        if (m_at < m_text.size() && (m_text[m_at] == 'e' || m_text[m_at] == 'E')) {
            ++m_at;
            if (m_at < m_text.size() && (m_text[m_at] == '+' || m_text[m_at] == '-'))
                ++m_at;
            if (!Digits())
                return Fail(Message(KELVANE_TEXT("CoreText", "expected a digit in the exponent")));
        }
        value.kind = JsonValue::Kind::Number;
        value.text = std::string(m_text.substr(start, m_at - start));
        return true;
    }

    bool Hex4(std::uint32_t& unit)
    {
        if (m_at + 4 > m_text.size())
            return Fail(Message(KELVANE_TEXT("CoreText", "expected four hex digits after \\u")));
        unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = m_text[m_at++];
            unit <<= 4;
            if (c >= '0' && c <= '9')
                unit |= static_cast<std::uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                unit |= static_cast<std::uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                unit |= static_cast<std::uint32_t>(c - 'A' + 10);
            else
                return Fail(Message(KELVANE_TEXT("CoreText", "expected four hex digits after \\u")));
        }
        return true;
    }

    bool Escape(std::string& out)
    {
        if (m_at >= m_text.size())
            return Fail(Message(KELVANE_TEXT("CoreText", "the text ends inside a string")));
        const char c = m_text[m_at++];
        switch (c) {
        case '"': out += '"'; return true;
        case '\\': out += '\\'; return true;
        case '/': out += '/'; return true;
        case 'b': out += '\b'; return true;
        case 'f': out += '\f'; return true;
        case 'n': out += '\n'; return true;
        case 'r': out += '\r'; return true;
        case 't': out += '\t'; return true;
        case 'u': break;
        default: --m_at; return Fail(Message(KELVANE_TEXT("CoreText", "unknown escape in a string")));
        }
        std::uint32_t unit = 0;
        if (!Hex4(unit))
            return false;
        // A high surrogate and a low one make one character; a surrogate
        // alone is kept as it is (AppendUtf8), to be written back the same.
        if (unit >= 0xD800 && unit <= 0xDBFF && m_text.substr(m_at, 2) == "\\u") {
            const std::size_t next = m_at;
            m_at += 2;
            std::uint32_t low = 0;
            if (!Hex4(low))
                return false;
            if (low >= 0xDC00 && low <= 0xDFFF)
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            else
                m_at = next; // the next escape is read on its own
        }
        AppendUtf8(out, unit);
        return true;
    }

    bool String(std::string& out)
    {
        ++m_at; // the opening quote
        out.clear();
        while (true) {
            if (m_at >= m_text.size())
                return Fail(Message(KELVANE_TEXT("CoreText", "the text ends inside a string")));
            const char c = m_text[m_at];
            if (c == '"') {
                ++m_at;
                return true;
            }
            if (c == '\\') {
                ++m_at;
                if (!Escape(out))
                    return false;
                continue;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return Fail(Message(KELVANE_TEXT("CoreText", "a control character in a string")));
            char32_t cp = 0;
            const std::size_t length = Utf8Sequence(m_text.substr(m_at), cp);
            if (length == 0)
                return Fail(Message(KELVANE_TEXT("CoreText", "a string that is not UTF-8")));
            out += m_text.substr(m_at, length);
            m_at += length;
        }
    }

    bool Array(JsonValue& value, int depth)
    {
        value.kind = JsonValue::Kind::Array;
        ++m_at;
        SkipSpace();
        if (m_at < m_text.size() && m_text[m_at] == ']') {
            ++m_at;
            return true;
        }
        while (true) {
            // cppcheck-suppress unassignedVariable ; a skipped value is read and dropped
            JsonValue skipped;
            if (!Value(m_skipping > 0 ? skipped : value.items.emplace_back(), depth + 1))
                return false;
            SkipSpace();
            if (m_at < m_text.size() && m_text[m_at] == ',') {
                ++m_at;
                continue;
            }
            if (m_at < m_text.size() && m_text[m_at] == ']') {
                ++m_at;
                return true;
            }
            return Fail(Message(KELVANE_TEXT("CoreText", "expected ',' or ']'")));
        }
    }

    bool Object(JsonValue& value, int depth)
    {
        value.kind = JsonValue::Kind::Object;
        ++m_at;
        SkipSpace();
        if (m_at < m_text.size() && m_text[m_at] == '}') {
            ++m_at;
            return true;
        }
        while (true) {
            SkipSpace();
            if (m_at >= m_text.size() || m_text[m_at] != '"')
                return Fail(Message(KELVANE_TEXT("CoreText", "expected a member name in quotes")));
            JsonMember member;
            if (!String(member.name))
                return false;
            SkipSpace();
            if (m_at >= m_text.size() || m_text[m_at] != ':')
                return Fail(Message(KELVANE_TEXT("CoreText", "expected ':' after a member name")));
            ++m_at;
            // A member the reader does not want is only checked, not built.
            const bool skip = m_skipping > 0 || (m_keep && !m_keep(depth, member.name));
            m_skipping += skip ? 1 : 0;
            const bool read = Value(member.value, depth + 1);
            m_skipping -= skip ? 1 : 0;
            if (!read)
                return false;
            if (!skip)
                value.members.push_back(std::move(member));
            SkipSpace();
            if (m_at < m_text.size() && m_text[m_at] == ',') {
                ++m_at;
                continue;
            }
            if (m_at < m_text.size() && m_text[m_at] == '}') {
                ++m_at;
                return true;
            }
            return Fail(Message(KELVANE_TEXT("CoreText", "expected ',' or '}'")));
        }
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    Message& m_error;
    int& m_line;
    const JsonMemberFilter& m_keep;
    int m_skipping = 0; // inside members that are not built
    std::size_t m_built = 0;
};

} // namespace

const JsonValue* JsonValue::Member(std::string_view name) const
{
    const JsonValue* found = nullptr;
    for (const JsonMember& member : members)
        if (member.name == name)
            found = &member.value;
    return found;
}

std::optional<JsonValue> ParseJson(std::string_view text, Message& error, int& line,
                                   const JsonMemberFilter& keep)
{
    error = {};
    line = 0;
    return Parser(text, error, line, keep).Document();
}

} // namespace kelvane
