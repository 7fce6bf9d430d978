#include "core/export/SystemWriters.h"

#include <algorithm>
#include <charconv>

#include "core/model/Codes.h"
#include "core/model/NumberText.h"

namespace kelvane {

namespace {

template <typename Int> void AppendInt(std::string& out, Int value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

// Length of the valid UTF-8 sequence starting at text[i], or 0 if none.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > text.size() || byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    return length;
}

// A JSON string. Names come from files of any age: bytes that are not valid
// UTF-8 are taken as Latin-1, so every name prints as valid JSON.
void AppendJsonString(std::string& out, std::string_view text)
{
    static constexpr char hex[] = "0123456789abcdef";
    out += '"';
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : Utf8SequenceLength(text, i);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F || length == 0) {
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out.append(text, i, length);
            i += length - 1;
        }
    }
    out += '"';
}

// Text for a terminal: control characters, which could move the cursor, clear
// the screen or ring the bell, become \xNN. Those are the bytes below 32 and
// 127, and the controls from 128 to 159 both as single bytes (which a
// terminal in a single-byte code page obeys) and in their UTF-8 form (C2 80
// to C2 9F). Everything else, other UTF-8 included, is copied.
void AppendReadable(std::string& out, std::string_view text)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    const auto escape = [&out](unsigned char c) {
        out += "\\x";
        out += hex[c >> 4];
        out += hex[c & 15];
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : Utf8SequenceLength(text, i);
        if (c < 0x20 || c == 0x7F || (length == 0 && c < 0xA0)) {
            escape(c);
        } else if (length == 0) {
            out += static_cast<char>(c);
        } else if (c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            escape(c);
            escape(static_cast<unsigned char>(text[i + 1]));
            ++i;
        } else {
            out.append(text, i, length);
            i += length - 1;
        }
    }
}

// Text inside a Markdown table cell or heading: what Markdown would read as
// markup is escaped with a backslash, a line break becomes a space, and
// control characters show as in AppendReadable.
void AppendMarkdownText(std::string& out, std::string_view text)
{
    std::string readable;
    AppendReadable(readable, text);
    for (const char c : readable) {
        if (std::string_view("\\`*_[]<>|~&").find(c) != std::string_view::npos)
            out += '\\';
        out += c;
    }
}

void AppendPadded(std::string& out, std::string_view text, std::size_t width, bool right)
{
    const std::size_t pad = text.size() < width ? width - text.size() : 0;
    if (right)
        out.append(pad, ' ');
    out += text;
    if (!right)
        out.append(pad, ' ');
}

} // namespace

const char* ContentsKeyword(std::int32_t type)
{
    if (type == TypeNothing)
        return "nothing";
    if (type == TypeAsteroids)
        return "asteroids";
    if (IsEnvironment(type))
        return "planet";
    return "unknown";
}

void AppendJson(std::string& out, const StarSystem& system, std::string_view code, int indent)
{
    const std::string pad(static_cast<std::size_t>(indent), ' ');
    const std::string field = pad + "  ";
    const auto key = [&](const char* name) {
        out += field;
        out += '"';
        out += name;
        out += "\": ";
    };

    out += pad;
    out += "{\n";
    key("name");
    AppendJsonString(out, system.SystemName);
    out += ",\n";
    key("code");
    if (code.empty())
        out += "null";
    else
        AppendJsonString(out, code);
    out += ",\n";
    key("systemType");
    AppendInt(out, system.SystemType);
    out += ",\n";
    key("starClass");
    AppendInt(out, system.StarClass);
    out += ",\n";
    key("starClassName");
    AppendJsonString(out, StarClassName(system.StarClass));
    out += ",\n";
    key("starType");
    AppendInt(out, system.StarType);
    out += ",\n";
    key("starTypeName");
    AppendJsonString(out, StarTypeName(system.StarType, system.StarClass));
    out += ",\n";
    key("biozoneMin");
    system.BiozoneMin.AppendTo(out);
    out += ",\n";
    key("biozoneMax");
    system.BiozoneMax.AppendTo(out);
    out += ",\n";
    key("innerLimit");
    system.InnerLimit.AppendTo(out);
    out += ",\n";
    key("orbits");
    out += "[\n";
    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        const OrbitRecord& orbit = system.Orbit(n);
        out += field;
        out += "  {\"orbit\": ";
        AppendInt(out, n);
        out += R"(, "contents": ")";
        out += ContentsKeyword(orbit.Type);
        out += R"(", "environment": )";
        if (IsEnvironment(orbit.Type))
            AppendJsonString(out, EnvironmentName(orbit.Type));
        else
            out += "null";
        out += ", \"type\": ";
        AppendInt(out, orbit.Type);
        out += ", \"radius\": ";
        AppendInt(out, orbit.Radius);
        out += ", \"moons\": ";
        AppendInt(out, orbit.Moons);
        out += ", \"elements\": ";
        AppendJsonString(out, orbit.Elements.View());
        out += ", \"au\": ";
        orbit.AU.AppendTo(out);
        out += ", \"posX\": ";
        AppendInt(out, orbit.PosX);
        out += ", \"posY\": ";
        AppendInt(out, orbit.PosY);
        out += ", \"posXArc\": ";
        AppendInt(out, orbit.PosXArc);
        out += ", \"posYArc\": ";
        AppendInt(out, orbit.PosYArc);
        out += n < StarSystem::OrbitCount ? "},\n" : "}\n";
    }
    out += field;
    out += "]\n";
    out += pad;
    out += '}';
}

void AppendText(std::string& out, const StarSystem& system, std::string_view code, char decimalSeparator)
{
    const auto line = [&](std::string_view caption, std::string_view value) {
        AppendPadded(out, caption, 16, false);
        AppendReadable(out, value);
        out += '\n';
    };
    line("System Name", system.SystemName);
    if (!code.empty())
        line("System Code", code);
    line("Star Type", StarTypeName(system.StarType, system.StarClass));
    line("Star Class", StarClassName(system.StarClass));
    line("Habitable Zone",
         ShortNumberText(system.BiozoneMin) + " to " + ShortNumberText(system.BiozoneMax) + " AUs");
    out += '\n';
    out += "Orbit  Contains   Environment  Moons      AUs  Elements\n";
    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        const OrbitRecord& orbit = system.Orbit(n);
        const std::string_view contents = ContentsName(orbit.Type);
        std::string moons;
        if (IsEnvironment(orbit.Type))
            AppendInt(moons, orbit.Moons);
        AppendPadded(out, std::to_string(n), 5, true);
        out += "  ";
        AppendPadded(out, contents, 11, false);
        AppendPadded(out, EnvironmentName(orbit.Type), 11, false);
        AppendPadded(out, moons, 7, true);
        AppendPadded(out, OneDecimalText(orbit.AU, decimalSeparator), 9, true);
        out += "  ";
        AppendReadable(out, orbit.Elements.View());
        // No trailing spaces on a line of a table meant for reading.
        while (!out.empty() && out.back() == ' ')
            out.pop_back();
        out += '\n';
    }
}

void AppendMarkdown(std::string& out, const StarSystem& system, std::string_view code, char decimalSeparator)
{
    out += "# ";
    AppendMarkdownText(out,
                       system.SystemName.empty() ? std::string_view("Unnamed System") : system.SystemName);
    out += "\n\n| Star Type | ";
    out += StarTypeName(system.StarType, system.StarClass);
    out += " |\n|---|---|\n| Star Class | ";
    out += StarClassName(system.StarClass);
    out += " |\n| Habitable Zone | ";
    out += ShortNumberText(system.BiozoneMin);
    out += " to ";
    out += ShortNumberText(system.BiozoneMax);
    out += " AUs |\n";
    if (!code.empty()) {
        out += "| System Code | ";
        out += code; // digits, capitals and dashes: nothing to escape
        out += " |\n";
    }
    out += "\n| Orbit | Contains | Environment | Moons | AUs | Elements |\n"
           "|---:|---|---|---:|---:|---|\n";
    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        const OrbitRecord& orbit = system.Orbit(n);
        out += "| ";
        AppendInt(out, n);
        out += " | ";
        out += ContentsName(orbit.Type);
        out += " | ";
        out += EnvironmentName(orbit.Type);
        out += " | ";
        if (IsEnvironment(orbit.Type))
            AppendInt(out, orbit.Moons);
        out += " | ";
        out += OneDecimalText(orbit.AU, decimalSeparator);
        out += " | ";
        // The letters as the Elements window shows them: none for an empty
        // orbit; a code span keeps their columns.
        std::string letters;
        if (orbit.Type != TypeNothing)
            AppendReadable(letters, orbit.Elements.View());
        while (!letters.empty() && letters.back() == ' ')
            letters.pop_back();
        if (letters.find_first_not_of(' ') != std::string::npos) {
            out += '`';
            out += letters;
            out += '`';
        }
        out += " |\n";
    }
}

} // namespace kelvane
