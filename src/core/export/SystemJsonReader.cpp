#include "core/export/SystemJsonReader.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/model/Codes.h"
#include "core/model/SystemCode.h"
#include "core/text/Escaping.h"
#include "core/text/JsonValue.h"

namespace kelvane {

namespace {

// A refusal on its way out of the reader: thrown where the fault is found,
// caught once at the top.
struct Refusal {
    Message message;
};

constexpr std::int16_t StarClasses[] = {ClassSubdwarf, ClassWhiteDwarf, ClassMainSequence, ClassSubgiant,
                                        ClassGiant,    ClassLargeGiant, ClassSuperGiant};
constexpr std::int32_t StarTypes[] = {StarBlue,   StarBlueWhite, StarWhite, StarYellowWhite,
                                      StarYellow, StarOrange,    StarRed};

std::string Quoted(std::string_view text)
{
    std::string out;
    AppendJsonString(out, text);
    return out;
}

Message KindName(JsonValue::Kind kind)
{
    switch (kind) {
    case JsonValue::Kind::Null: return Message("null");
    case JsonValue::Kind::Bool: return Message(KELVANE_TEXT("CoreText", "true or false"));
    case JsonValue::Kind::Number: return Message(KELVANE_TEXT("CoreText", "a number"));
    case JsonValue::Kind::String: return Message(KELVANE_TEXT("CoreText", "a string"));
    case JsonValue::Kind::Array: return Message(KELVANE_TEXT("CoreText", "an array"));
    case JsonValue::Kind::Object: return Message(KELVANE_TEXT("CoreText", "an object"));
    }
    return Message(KELVANE_TEXT("CoreText", "a value"));
}

class Reader {
public:
    explicit Reader(std::vector<std::string>* notes) : m_notes(notes) {}

    StarSystem System(const JsonValue& value, const std::string& path)
    {
        Expect(value, JsonValue::Kind::Object, path);
        StarSystem system;
        if (const JsonValue* code = value.Member("code");
            code != nullptr && code->kind != JsonValue::Kind::Null) {
            Expect(*code, JsonValue::Kind::String, Join(path, "code"));
            std::string why;
            const std::optional<SystemCode> decoded = DecodeSystemCode(code->text, &why);
            if (!decoded)
                Refuse(Join(path, "code"),
                       Message(KELVANE_TEXT("CoreText", "%1 is not a system code: "), Quoted(code->text)) +
                           Message(why));
            system = RegenerateSystem(*decoded);
        }
        for (const JsonMember& member : value.members) {
            const std::string at = Join(path, member.name);
            const JsonValue& field = member.value;
            if (member.name == "name") {
                Expect(field, JsonValue::Kind::String, at);
                if (field.text.find('\r') != std::string::npos)
                    Refuse(at, Message(KELVANE_TEXT(
                                   "CoreText", "holds a carriage return, which a system file cannot keep")));
                system.SystemName = field.text;
            } else if (member.name == "systemType") {
                system.SystemType = Integer<std::int16_t>(field, at);
            } else if (member.name == "starClass") {
                system.StarClass = Integer<std::int16_t>(field, at);
            } else if (member.name == "starType") {
                system.StarType = Integer<std::int32_t>(field, at);
            } else if (member.name == "biozoneMin") {
                system.BiozoneMin = DistanceField(field, at);
            } else if (member.name == "biozoneMax") {
                system.BiozoneMax = DistanceField(field, at);
            } else if (member.name == "innerLimit") {
                system.InnerLimit = DistanceField(field, at);
            } else if (member.name == "orbits") {
                Orbits(field, at, system);
            } else if (member.name != "code" && member.name != "starClassName" &&
                       member.name != "starTypeName") {
                Refuse(at, Message(KELVANE_TEXT("CoreText", "is not a field of a system")));
            }
        }
        // The names after the numbers, so that they win wherever they stand.
        if (const JsonValue* name = value.Member("starClassName"))
            StarClassByName(*name, Join(path, "starClassName"), system);
        if (const JsonValue* name = value.Member("starTypeName"))
            StarTypeByName(*name, Join(path, "starTypeName"), system);
        return system;
    }

private:
    std::vector<std::string>* m_notes;

    [[noreturn]] static void Refuse(const std::string& path, const Message& reason)
    {
        throw Refusal{Message(KELVANE_TEXT("CoreText", "%1: "), path) + reason};
    }

    void Note(const std::string& path, const std::string& text) const
    {
        if (m_notes != nullptr)
            m_notes->push_back(path + ": " + text);
    }

    static std::string Join(const std::string& path, std::string_view name)
    {
        return path.empty() ? std::string(name) : path + "." + std::string(name);
    }

    static void Expect(const JsonValue& value, JsonValue::Kind kind, const std::string& path)
    {
        if (value.kind != kind)
            Refuse(path, Message(KELVANE_TEXT("CoreText", "expected ")) + KindName(kind) +
                             Message(KELVANE_TEXT("CoreText", ", found ")) + KindName(value.kind));
    }

    template <typename Int> static Int Integer(const JsonValue& value, const std::string& path)
    {
        Expect(value, JsonValue::Kind::Number, path);
        std::int64_t number = 0;
        const char* end = value.text.data() + value.text.size();
        const auto [ptr, fault] = std::from_chars(value.text.data(), end, number);
        if (fault == std::errc() && ptr == end && number >= std::numeric_limits<Int>::min() &&
            number <= std::numeric_limits<Int>::max())
            return static_cast<Int>(number);
        Refuse(path, Message(KELVANE_TEXT("CoreText", "%1 is not a whole number from %2 to %3"), value.text,
                             std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max()));
    }

    static Distance DistanceField(const JsonValue& value, const std::string& path)
    {
        Expect(value, JsonValue::Kind::Number, path);
        if (const std::optional<Distance> distance = Distance::Parse(value.text))
            return *distance;
        Refuse(path,
               Message(KELVANE_TEXT("CoreText", "%1 is not a distance in AUs with at most four decimals"),
                       value.text));
    }

    void Orbits(const JsonValue& value, const std::string& path, StarSystem& system)
    {
        Expect(value, JsonValue::Kind::Array, path);
        if (value.items.size() != StarSystem::OrbitCount)
            Refuse(path, Message(KELVANE_TEXT("CoreText", "holds %1 orbits; a system has %2"),
                                 value.items.size(), StarSystem::OrbitCount));
        for (int n = 1; n <= StarSystem::OrbitCount; ++n)
            Orbit(value.items[static_cast<std::size_t>(n - 1)], path + "[" + std::to_string(n - 1) + "]", n,
                  system.Orbit(n));
    }

    void Orbit(const JsonValue& value, const std::string& path, int number, OrbitRecord& orbit)
    {
        Expect(value, JsonValue::Kind::Object, path);
        for (const JsonMember& member : value.members) {
            const std::string at = Join(path, member.name);
            const JsonValue& field = member.value;
            if (member.name == "orbit") {
                if (Integer<std::int32_t>(field, at) != number)
                    Refuse(at, Message(KELVANE_TEXT("CoreText", "%1 stands in the place of orbit %2"),
                                       field.text, number));
            } else if (member.name == "type") {
                orbit.Type = Integer<std::int32_t>(field, at);
            } else if (member.name == "radius") {
                orbit.Radius = Integer<std::int16_t>(field, at);
            } else if (member.name == "moons") {
                orbit.Moons = Integer<std::int16_t>(field, at);
            } else if (member.name == "elements") {
                orbit.Elements = Elements(field, at);
            } else if (member.name == "au") {
                orbit.AU = DistanceField(field, at);
            } else if (member.name == "posX") {
                orbit.PosX = Integer<std::int16_t>(field, at);
            } else if (member.name == "posY") {
                orbit.PosY = Integer<std::int16_t>(field, at);
            } else if (member.name == "posXArc") {
                orbit.PosXArc = Integer<std::int16_t>(field, at);
            } else if (member.name == "posYArc") {
                orbit.PosYArc = Integer<std::int16_t>(field, at);
            } else if (member.name != "contents" && member.name != "environment") {
                Refuse(at, Message(KELVANE_TEXT("CoreText", "is not a field of an orbit")));
            }
        }
        TypeByWords(value, path, orbit);
    }

    // Position i holds the i-th capital letter or a space, as the Elements
    // window reads it; a shorter text is padded with spaces.
    static ElementText Elements(const JsonValue& value, const std::string& path)
    {
        Expect(value, JsonValue::Kind::String, path);
        if (value.text.size() > ElementText::Length)
            Refuse(path, Message(KELVANE_TEXT("CoreText", "has %1 characters; at most %2"), value.text.size(),
                                 ElementText::Length));
        for (std::size_t i = 0; i < value.text.size(); ++i) {
            const char letter = static_cast<char>('A' + i);
            if (value.text[i] != ' ' && value.text[i] != letter)
                Refuse(path, Message(KELVANE_TEXT("CoreText", "position %1 holds %2, not %3 or a space"),
                                     i + 1, Quoted(value.text.substr(i, 1)), std::string(1, letter)));
        }
        return ElementText(value.text);
    }

    // The environment code an orbit's "environment" names; none for null or
    // a missing one.
    // cppcheck-suppress unusedPrivateFunction ; called from TypeByWords
    static std::optional<std::int32_t> NamedEnvironment(const JsonValue* environment, const std::string& path)
    {
        if (environment == nullptr || environment->kind == JsonValue::Kind::Null)
            return std::nullopt;
        Expect(*environment, JsonValue::Kind::String, path);
        for (const std::int32_t code : EnvironmentCodes)
            if (EnvironmentName(code) == environment->text)
                return code;
        Refuse(path, NotAnEnvironment(environment->text));
    }

    static Message NotAnEnvironment(std::string_view name)
    {
        return Message(
            KELVANE_TEXT("CoreText", "%1 is not one of None, Hostile, Poor, Average, Good, Excellent"),
            Quoted(name));
    }

    // "unknown" keeps whatever the type is, as long as it names nothing known.
    static void ExpectUnknownType(std::int32_t type, const std::string& path)
    {
        if (type == TypeNothing || type == TypeAsteroids || IsEnvironment(type))
            Refuse(path, Message(KELVANE_TEXT("CoreText", "%1, but type %2 is %3"), Quoted("unknown"), type,
                                 Quoted(ContentsKeyword(type))));
    }

    void TypeByWords(const JsonValue& value, const std::string& path, OrbitRecord& orbit) const
    {
        const JsonValue* contents = value.Member("contents");
        const JsonValue* environment = value.Member("environment");
        const std::string contentsPath = Join(path, "contents");
        const std::string environmentPath = Join(path, "environment");

        std::optional<std::int32_t> named;
        if (environment && environment->kind != JsonValue::Kind::Null) {
            Expect(*environment, JsonValue::Kind::String, environmentPath);
            for (const std::int32_t code : EnvironmentCodes)
                if (EnvironmentName(code) == environment->text)
                    named = code;
            if (!named)
                Refuse(environmentPath, NotAnEnvironment(environment->text));
        }

        std::optional<std::int32_t> byWords = named;
        if (contents != nullptr) {
            Expect(*contents, JsonValue::Kind::String, contentsPath);
            const std::string& word = contents->text;
            if (word == "nothing" || word == "asteroids" || word == "unknown") {
                if (named)
                    Refuse(
                        environmentPath,
                        Message(KELVANE_TEXT("CoreText", "%1 is given, but only a planet has an environment"),
                                Quoted(environment->text)));
                if (word == "unknown") {
                    ExpectUnknownType(orbit.Type, contentsPath);
                    return;
                }
                byWords = word == "nothing" ? TypeNothing : TypeAsteroids;
            } else if (word == "planet") {
                if (!named && !IsEnvironment(orbit.Type))
                    Refuse(environmentPath,
                           Message(KELVANE_TEXT(
                               "CoreText",
                               "a planet needs one of None, Hostile, Poor, Average, Good, Excellent")));
            } else {
                Refuse(
                    contentsPath,
                    Message(KELVANE_TEXT("CoreText", "%1 is not one of nothing, asteroids, planet, unknown"),
                            Quoted(word)));
            }
        }
        if (!byWords || *byWords == orbit.Type)
            return;
        if (value.Member("type") != nullptr)
            Note(Join(path, "type"), std::to_string(orbit.Type) +
                                         " does not agree with contents and environment; " +
                                         "they win: " + std::to_string(*byWords));
        orbit.Type = *byWords;
    }

    void StarClassByName(const JsonValue& value, const std::string& path, StarSystem& system) const
    {
        Expect(value, JsonValue::Kind::String, path);
        if (value.text.empty())
            return;
        for (const std::int16_t code : StarClasses) {
            if (StarClassName(code) != value.text)
                continue;
            if (code != system.StarClass)
                Note(path, Quoted(value.text) + " wins over starClass " + std::to_string(system.StarClass));
            system.StarClass = code;
            return;
        }
        Refuse(path,
               Message(KELVANE_TEXT("CoreText", "%1 is not the name of a star class"), Quoted(value.text)));
    }

    void StarTypeByName(const JsonValue& value, const std::string& path, StarSystem& system) const
    {
        Expect(value, JsonValue::Kind::String, path);
        if (value.text.empty())
            return;
        for (const std::int32_t code : StarTypes) {
            if (StarTypeName(code, system.StarClass) != value.text)
                continue;
            if (code != system.StarType)
                Note(path, Quoted(value.text) + " wins over starType " + std::to_string(system.StarType));
            system.StarType = code;
            return;
        }
        Refuse(path,
               Message(KELVANE_TEXT("CoreText", "%1 is not the name of a star type of %2"),
                       Quoted(value.text),
                       Quoted(StarClassName(system.StarClass).empty() ? "this class"
                                                                      : StarClassName(system.StarClass))));
    }
};

bool LooksLikeSystem(const JsonValue& value)
{
    return value.kind == JsonValue::Kind::Object && value.Member("kelvaneSector") == nullptr &&
           (value.Member("orbits") != nullptr || value.Member("starClass") != nullptr);
}

} // namespace

bool IsSystemJsonText(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || (text[first] != '{' && text[first] != '['))
        return false;
    Message error;
    int line = 0;
    const std::optional<JsonValue> value = ParseJson(text, error, line);
    if (!value)
        return false;
    if (value->kind == JsonValue::Kind::Array)
        return !value->items.empty() && LooksLikeSystem(value->items.front());
    return LooksLikeSystem(*value);
}

bool ReadSystemJsonList(std::string_view text, std::vector<StarSystem>& systems, Message& error,
                        std::vector<std::string>* notes)
{
    int line = 0;
    const std::optional<JsonValue> value = ParseJson(text, error, line);
    if (!value)
        return false;
    std::vector<std::string> found;
    Reader reader(&found);
    std::vector<StarSystem> read;
    try {
        if (value->kind == JsonValue::Kind::Array) {
            if (value->items.empty())
                throw Refusal{Message(KELVANE_TEXT("CoreText", "the array holds no system"))};
            for (std::size_t i = 0; i < value->items.size(); ++i) {
                // Appended piece by piece: "[" + text draws a false
                // -Wrestrict from GCC 12 at -O3 with _FORTIFY_SOURCE.
                std::string path(1, '[');
                path += std::to_string(i);
                path += ']';
                read.push_back(reader.System(value->items[i], path));
            }
        } else {
            read.push_back(reader.System(*value, ""));
        }
    } catch (const Refusal& refusal) {
        error = refusal.message;
        return false;
    }
    systems = std::move(read);
    if (notes != nullptr)
        notes->insert(notes->end(), found.begin(), found.end());
    return true;
}

bool ReadSystemJson(std::string_view text, StarSystem& system, Message& error,
                    std::vector<std::string>* notes)
{
    std::vector<StarSystem> systems;
    if (!ReadSystemJsonList(text, systems, error, notes))
        return false;
    if (systems.size() != 1) {
        error = Message(KELVANE_TEXT("CoreText", "the array holds %1 systems; only one can be read here"),
                        systems.size());
        return false;
    }
    system = systems.front();
    return true;
}

} // namespace kelvane
