#include "core/export/SystemWriters.h"

#include <algorithm>
#include <charconv>

#include "core/export/OrbitTypeTexts.h"
#include "core/model/Codes.h"
#include "core/model/NumberText.h"
#include "core/text/BufferedAppender.h"
#include "core/text/Escaping.h"

namespace kelvane {

namespace {

template <typename Int> void AppendInt(std::string& out, Int value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
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

// The numbers of an orbit's JSON line go in two pieces with their keys, each
// shorter than this: the type, radius and moons (70 bytes at most), then the
// distance and the four positions (102).
constexpr std::size_t MostPieceLength = 128;

// `, "contents": ..., "environment": ...` for an orbit's type, the names of
// its line; the environment is null for anything but a planet.
std::string_view OrbitNames(std::int32_t type)
{
    static const OrbitTypeTexts names([](std::int32_t orbitType) {
        const std::string environment =
            IsEnvironment(orbitType) ? '"' + std::string(EnvironmentName(orbitType)) + '"' : "null";
        return R"(, "contents": ")" + std::string(ContentsKeyword(orbitType)) + R"(", "environment": )" +
               environment;
    });
    return names.Of(type);
}

// The indentation a space at a time: it is a few spaces, and a copy of a
// piece whose length is not known where it is put is a call.
void PutIndentation(BufferedAppender& json, int indent)
{
    for (int i = 0; i < indent; ++i)
        json.Put(' ');
}

} // namespace

void AppendJson(std::string& out, const StarSystem& system, std::string_view code, int indent)
{
    BufferedAppender json(out);
    const auto indentation = [&] { PutIndentation(json, indent); };
    const auto key = [&](const auto& quotedKey) {
        indentation();
        json.Put(quotedKey);
    };
    const auto text = [&](std::string_view value) { PutJsonString(json, value); };
    // The names of the program's tables are plain ASCII: nothing to escape.
    const auto name = [&](std::string_view value) {
        json.Put('"');
        json.Put(value);
        json.Put('"');
    };
    const auto distance = [&](Distance value) {
        json.PutWritten<Distance::MaxTextLength>([value](char* p) { return value.FormatTo(p); });
    };

    indentation();
    json.Put("{\n");
    key(R"(  "name": )");
    text(system.SystemName);
    json.Put(",\n");
    key(R"(  "code": )");
    if (code.empty())
        json.Put("null");
    else
        text(code);
    json.Put(",\n");
    key(R"(  "systemType": )");
    json.PutNumber(system.SystemType);
    json.Put(",\n");
    key(R"(  "starClass": )");
    json.PutNumber(system.StarClass);
    json.Put(",\n");
    key(R"(  "starClassName": )");
    name(StarClassName(system.StarClass));
    json.Put(",\n");
    key(R"(  "starType": )");
    json.PutNumber(system.StarType);
    json.Put(",\n");
    key(R"(  "starTypeName": )");
    name(StarTypeName(system.StarType, system.StarClass));
    json.Put(",\n");
    key(R"(  "biozoneMin": )");
    distance(system.BiozoneMin);
    json.Put(",\n");
    key(R"(  "biozoneMax": )");
    distance(system.BiozoneMax);
    json.Put(",\n");
    key(R"(  "innerLimit": )");
    distance(system.InnerLimit);
    json.Put(",\n");
    key(R"(  "orbits": )");
    json.Put("[\n");
    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        const OrbitRecord& orbit = system.Orbit(n);
        indentation();
        json.Put("    {\"orbit\": ");
        json.PutNumber(n);
        json.Put(OrbitNames(orbit.Type));
        json.PutWritten<MostPieceLength>([&orbit](char* p) {
            p = WriteText(p, ", \"type\": ");
            p = WriteNumber(p, orbit.Type);
            p = WriteText(p, ", \"radius\": ");
            p = WriteNumber(p, orbit.Radius);
            p = WriteText(p, ", \"moons\": ");
            p = WriteNumber(p, orbit.Moons);
            return WriteText(p, ", \"elements\": ");
        });
        text(orbit.Elements.View());
        json.PutWritten<MostPieceLength>([n, &orbit](char* p) {
            p = WriteText(p, ", \"au\": ");
            p = orbit.AU.FormatTo(p);
            p = WriteText(p, ", \"posX\": ");
            p = WriteNumber(p, orbit.PosX);
            p = WriteText(p, ", \"posY\": ");
            p = WriteNumber(p, orbit.PosY);
            p = WriteText(p, ", \"posXArc\": ");
            p = WriteNumber(p, orbit.PosXArc);
            p = WriteText(p, ", \"posYArc\": ");
            p = WriteNumber(p, orbit.PosYArc);
            return WriteText(p, n < StarSystem::OrbitCount ? "},\n" : "}\n");
        });
    }
    indentation();
    json.Put("  ]\n");
    indentation();
    json.Put('}');
}

void AppendText(std::string& out, const StarSystem& system, std::string_view code, char decimalSeparator)
{
    const auto line = [&](std::string_view caption, std::string_view value) {
        AppendPadded(out, caption, 16, false);
        AppendTerminalText(out, value);
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
        AppendTerminalText(out, orbit.Elements.View());
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
            AppendTerminalText(letters, orbit.Elements.View());
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
