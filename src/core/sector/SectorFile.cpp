#include "core/sector/SectorFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <set>

#include "core/files/FileBytes.h"
#include "core/model/Codes.h"
#include "core/model/SystemCode.h"
#include "core/sector/JsonValue.h"
#include "core/text/Escaping.h"

namespace kelvane {

namespace {

constexpr std::int16_t StarClasses[] = {ClassSubdwarf, ClassWhiteDwarf, ClassMainSequence, ClassSubgiant,
                                        ClassGiant,    ClassLargeGiant, ClassSuperGiant};
constexpr std::int32_t StarTypes[] = {StarBlue,   StarBlueWhite, StarWhite, StarYellowWhite,
                                      StarYellow, StarOrange,    StarRed};

void AppendMember(std::string& out, std::string_view name)
{
    AppendJsonString(out, name);
    out += ": ";
}

std::string DensityText(double density)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, density);
    return std::string(text, result.ptr);
}

// A text from the file as a message quotes it, in single quotes, cut when
// long, as the system file's messages show a value: each byte of a control
// character as \xNN, so that no text from a file reaches a terminal as a
// command.
std::string Quoted(std::string_view text)
{
    constexpr std::size_t shown = 40;
    std::string out = "'";
    AppendTerminalText(out, text.substr(0, shown));
    if (text.size() > shown)
        out += "...";
    out += '\'';
    return out;
}

// A fault in the file's content: BadContent with its message.
struct Fault {
    std::string message;
};

template <typename Int> Int WholeNumber(const JsonValue& value, const std::string& what, Int min, Int max)
{
    Int number{};
    const std::string& text = value.text;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    if (value.kind != JsonValue::Kind::Number || result.ec != std::errc{} ||
        result.ptr != text.data() + text.size() || number < min || number > max)
        throw Fault{what + " is not a whole number from " + std::to_string(min) + " to " +
                    std::to_string(max)};
    return number;
}

const JsonValue& Required(const JsonValue& object, std::string_view name, const std::string& where)
{
    const JsonValue* value = object.Member(name);
    if (value == nullptr)
        throw Fault{where + "\"" + std::string(name) + "\" is missing"};
    return *value;
}

const std::string& Text(const JsonValue& value, const std::string& what)
{
    if (value.kind != JsonValue::Kind::String)
        throw Fault{what + " is not a text in quotes"};
    return value.text;
}

// The seed as a string of digits or as a whole number.
std::uint64_t Seed(const JsonValue& value)
{
    const std::string what = "\"seed\"";
    constexpr std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    if (value.kind != JsonValue::Kind::String)
        return WholeNumber<std::uint64_t>(value, what, 0, max);
    JsonValue number;
    number.kind = JsonValue::Kind::Number;
    if (value.text.find_first_not_of("0123456789") == std::string::npos)
        number.text = value.text; // an empty text is no number either
    return WholeNumber<std::uint64_t>(number, what, 0, max);
}

double Density(const JsonValue& value)
{
    double density = -1;
    const std::string& text = value.text;
    if (value.kind == JsonValue::Kind::Number)
        std::from_chars(text.data(), text.data() + text.size(), density);
    if (!(density >= 0 && density <= 1))
        throw Fault{"\"density\" is not a number from 0 to 1"};
    return density;
}

std::int16_t StarClassOf(const std::string& name, const std::string& where)
{
    for (const std::int16_t code : StarClasses)
        if (StarClassName(code) == name)
            return code;
    throw Fault{where + "\"starClass\" " + Quoted(name) + " is not a star class"};
}

std::int32_t StarTypeOf(const std::string& name, std::int16_t starClass, const std::string& where)
{
    for (const std::int32_t code : StarTypes)
        if (StarTypeName(code, starClass) == name)
            return code;
    throw Fault{where + "\"starType\" " + Quoted(name) + " is not a star type of its class"};
}

std::int32_t EnvironmentOf(const JsonValue& value, const std::string& where)
{
    if (value.kind == JsonValue::Kind::Null)
        return TypeNothing;
    const std::string& name = Text(value, where + "\"bestEnvironment\"");
    for (const std::int32_t code : EnvironmentCodes)
        if (EnvironmentName(code) == name)
            return code;
    throw Fault{where + "\"bestEnvironment\" " + Quoted(name) + " is not an environment"};
}

// A hex's "notes", when the entry has them.
std::string Notes(const JsonValue& entry, const std::string& where)
{
    const JsonValue* value = entry.Member("notes");
    if (value == nullptr)
        return {};
    const std::string& text = Text(*value, where + "\"notes\"");
    if (const std::string fault = HexNotesFault(text); !fault.empty())
        throw Fault{where + "the notes " + fault};
    return text;
}

// The hex an entry names, one of the grid's.
HexNumber HexOf(const JsonValue& entry, const HexGrid& grid, const std::string& where)
{
    const std::string& hexText = Text(Required(entry, "hex", where), where + "\"hex\"");
    const auto hex = ParseHexNumber(hexText);
    if (!hex || !grid.Contains(*hex))
        throw Fault{where + "\"hex\" " + Quoted(hexText) + " is not a hex of the sector"};
    return *hex;
}

SectorSystem ReadSystem(const JsonValue& entry, const HexGrid& grid, std::size_t index)
{
    std::string where = "system " + std::to_string(index + 1) + ": ";
    if (entry.kind != JsonValue::Kind::Object)
        throw Fault{where + "not an object"};
    SectorSystem system;
    system.hex = HexOf(entry, grid, where);
    where = "system " + system.hex.Text() + ": ";

    system.name = Text(Required(entry, "name", where), where + "\"name\"");
    if (const std::string fault = SectorNameFault(system.name); !fault.empty())
        throw Fault{where + "\"name\" " + fault};

    system.code = Text(Required(entry, "code", where), where + "\"code\"");
    std::string why;
    const auto code = DecodeSystemCode(system.code, &why);
    if (!code)
        throw Fault{where + "its code does not read: " + why};
    if (RunNumber(*code) > MaxSectorRunNumber)
        throw Fault{where + "its code names system " + std::to_string(RunNumber(*code)) +
                    " of a run; a sector's codes name one of the first " +
                    std::to_string(MaxSectorRunNumber)};
    system.system = RegenerateSystem(*code);
    system.system.SystemName = system.name;

    // The summary as the file gives it, or as the code's system has it.
    system.summary = SummarizeSystem(system.system);
    SystemSummary& summary = system.summary;
    if (const JsonValue* value = entry.Member("starClass"))
        summary.starClass = StarClassOf(Text(*value, where + "\"starClass\""), where);
    if (const JsonValue* value = entry.Member("starType"))
        summary.starType = StarTypeOf(Text(*value, where + "\"starType\""), summary.starClass, where);
    if (const JsonValue* value = entry.Member("bestEnvironment"))
        summary.bestEnvironment = EnvironmentOf(*value, where);
    const int orbits = StarSystem::OrbitCount;
    if (const JsonValue* value = entry.Member("planets"))
        summary.planets = WholeNumber<int>(*value, where + "\"planets\"", 0, orbits);
    if (const JsonValue* value = entry.Member("belts"))
        summary.belts = WholeNumber<int>(*value, where + "\"belts\"", 0, orbits);
    if (const JsonValue* value = entry.Member("moons"))
        summary.moons = WholeNumber<int>(*value, where + "\"moons\"", 0, orbits * 32767);
    if (summary.planets + summary.belts > orbits)
        throw Fault{where + "more planets and belts than orbits"};
    if (const JsonValue* value = entry.Member("edited")) {
        if (value->kind != JsonValue::Kind::Bool)
            throw Fault{where + "\"edited\" is not true or false"};
        system.edited = value->boolean;
    }
    return system;
}

Sector ReadSector(const JsonValue& root)
{
    if (root.kind != JsonValue::Kind::Object || root.Member("kelvaneSector") == nullptr)
        throw Fault{"this is not a Kelvane sector file (it has no \"kelvaneSector\")"};
    const JsonValue& version = *root.Member("kelvaneSector");
    int number = 0;
    const auto read = std::from_chars(version.text.data(), version.text.data() + version.text.size(), number);
    const bool whole = version.kind == JsonValue::Kind::Number && read.ec == std::errc{} &&
                       read.ptr == version.text.data() + version.text.size();
    if (whole && number > SectorFileVersion)
        throw Fault{"its \"kelvaneSector\" " + version.text +
                    " is a newer version than this program reads; open it with a newer Kelvane"};
    if (!whole || number < 1)
        throw Fault{"its \"kelvaneSector\" " + Quoted(version.text) + " is not a version this program reads"};

    Sector sector;
    if (const JsonValue* name = root.Member("name")) {
        sector.name = Text(*name, "\"name\"");
        if (const std::string fault = SectorNameFault(sector.name); !fault.empty())
            throw Fault{"\"name\" " + fault};
    }
    SectorOptions& options = sector.options;
    options.seed = Seed(Required(root, "seed", ""));
    options.width = WholeNumber<int>(Required(root, "width", ""), "\"width\"", 1, SectorOptions::MaxWidth);
    options.height =
        WholeNumber<int>(Required(root, "height", ""), "\"height\"", 1, SectorOptions::MaxHeight);
    options.density = Density(Required(root, "density", ""));
    options.lifeSupport = static_cast<LifeSupportLevel>(
        WholeNumber<std::int16_t>(Required(root, "lifeSupport", ""), "\"lifeSupport\"", 1, 4));
    options.biozone = static_cast<BiozoneWidth>(
        WholeNumber<std::int16_t>(Required(root, "biozone", ""), "\"biozone\"", 1, 3));

    const JsonValue& systems = Required(root, "systems", "");
    if (systems.kind != JsonValue::Kind::Array)
        throw Fault{"\"systems\" is not a list"};
    const HexGrid grid = sector.Grid();
    std::set<HexNumber> seen;
    for (std::size_t i = 0; i < systems.items.size(); ++i) {
        SectorSystem system = ReadSystem(systems.items[i], grid, i);
        if (!seen.insert(system.hex).second)
            throw Fault{"hex " + system.hex.Text() + " is listed twice"};
        sector.SetNotes(system.hex, Notes(systems.items[i], "system " + system.hex.Text() + ": "));
        sector.systems.push_back(std::move(system));
    }
    if (const JsonValue* empty = root.Member("emptyHexes")) {
        if (empty->kind != JsonValue::Kind::Array)
            throw Fault{"\"emptyHexes\" is not a list"};
        for (std::size_t i = 0; i < empty->items.size(); ++i) {
            const JsonValue& entry = empty->items[i];
            std::string where = "empty hex " + std::to_string(i + 1) + ": ";
            if (entry.kind != JsonValue::Kind::Object)
                throw Fault{where + "not an object"};
            const HexNumber hex = HexOf(entry, grid, where);
            if (!seen.insert(hex).second)
                throw Fault{"hex " + hex.Text() + " is listed twice"};
            sector.SetNotes(hex, Notes(entry, "hex " + hex.Text() + ": "));
        }
    }
    std::sort(sector.systems.begin(), sector.systems.end(),
              [](const SectorSystem& a, const SectorSystem& b) { return a.hex < b.hex; });
    return sector;
}

// The members ReadSector looks at; the others are not built.
bool KnownMember(int depth, std::string_view name)
{
    static constexpr std::string_view sectorMembers[] = {
        "kelvaneSector", "name",        "seed",    "width",   "height",
        "density",       "lifeSupport", "biozone", "systems", "emptyHexes"};
    // Of a system and of an empty hex.
    static constexpr std::string_view systemMembers[] = {
        "hex",     "name",  "code",  "starClass", "starType", "bestEnvironment",
        "planets", "belts", "moons", "edited",    "notes"};
    if (depth == 0)
        return std::find(std::begin(sectorMembers), std::end(sectorMembers), name) != std::end(sectorMembers);
    if (depth == 2)
        return std::find(std::begin(systemMembers), std::end(systemMembers), name) != std::end(systemMembers);
    return false;
}

} // namespace

std::string SectorFileText(const Sector& sector)
{
    const SectorOptions& options = sector.options;
    std::string out;
    out.reserve(256 + 200 * sector.systems.size());
    const bool written = !sector.name.empty() || !sector.notes.empty();
    out += "{\n  \"kelvaneSector\": " + std::string(written ? "2" : "1") + ",\n";
    if (!sector.name.empty()) {
        out += "  ";
        AppendMember(out, "name");
        AppendJsonString(out, sector.name);
        out += ",\n";
    }
    out += R"(  "seed": ")" + std::to_string(options.seed) + "\",\n";
    out += "  \"width\": " + std::to_string(options.width) + ",\n";
    out += "  \"height\": " + std::to_string(options.height) + ",\n";
    out += "  \"density\": " + DensityText(options.density) + ",\n";
    out += "  \"lifeSupport\": " + std::to_string(static_cast<int>(options.lifeSupport)) + ",\n";
    out += "  \"biozone\": " + std::to_string(static_cast<int>(options.biozone)) + ",\n";
    out += "  \"systems\": [";
    bool first = true;
    for (const SectorSystem& system : sector.systems) {
        const SystemSummary& summary = system.summary;
        out += first ? "\n    {" : ",\n    {";
        first = false;
        AppendMember(out, "hex");
        AppendJsonString(out, system.hex.Text());
        out += ", ";
        AppendMember(out, "name");
        AppendJsonString(out, system.name);
        out += ", ";
        AppendMember(out, "code");
        AppendJsonString(out, system.code);
        out += ", ";
        AppendMember(out, "starClass");
        AppendJsonString(out, StarClassName(summary.starClass));
        out += ", ";
        AppendMember(out, "starType");
        AppendJsonString(out, StarTypeName(summary.starType, summary.starClass));
        out += ", ";
        AppendMember(out, "bestEnvironment");
        if (summary.bestEnvironment == TypeNothing)
            out += "null";
        else
            AppendJsonString(out, EnvironmentName(summary.bestEnvironment));
        out += ", \"planets\": " + std::to_string(summary.planets);
        out += ", \"belts\": " + std::to_string(summary.belts);
        out += ", \"moons\": " + std::to_string(summary.moons);
        if (system.edited)
            out += ", \"edited\": true";
        if (const std::string& notes = sector.NotesOf(system.hex); !notes.empty()) {
            out += ", ";
            AppendMember(out, "notes");
            AppendJsonString(out, notes);
        }
        out += '}';
    }
    out += first ? "]" : "\n  ]";
    first = true;
    for (const auto& [hex, notes] : sector.notes) {
        if (sector.At(hex) != nullptr)
            continue;
        out += first ? ",\n  \"emptyHexes\": [\n    {" : ",\n    {";
        first = false;
        AppendMember(out, "hex");
        AppendJsonString(out, hex.Text());
        out += ", ";
        AppendMember(out, "notes");
        AppendJsonString(out, notes);
        out += '}';
    }
    out += first ? "\n}\n" : "\n  ]\n}\n";
    return out;
}

FileResult ReadSectorText(std::string_view text, Sector& sector)
{
    std::string error;
    int line = 0;
    const std::optional<JsonValue> root = ParseJson(text, error, line, KnownMember);
    if (!root)
        return FileResult::BadContent(error, line);
    try {
        sector = ReadSector(*root);
    } catch (const Fault& fault) {
        return FileResult::BadContent(fault.message);
    }
    return FileResult::Done();
}

FileResult ReadSectorFile(const std::string& path, Sector& sector)
{
    std::string bytes;
    if (FileResult read = ReadFileBytes(path, bytes); !read.Ok())
        return read;
    if (bytes.empty())
        return FileResult::BadContent("the file is empty");
    return ReadSectorText(bytes, sector);
}

} // namespace kelvane
