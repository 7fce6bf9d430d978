#include "core/sector/SectorFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <set>

#include "core/files/FileBytes.h"
#include "core/model/Codes.h"
#include "core/model/SystemCode.h"
#include "core/text/Escaping.h"
#include "core/text/JsonValue.h"
#include "core/text/Message.h"

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
    Message message;
};

// Where a fault is: nothing for the index's own members, or the system or
// hex they belong to.
using Where = Message;

// A member's name as the file spells it, in double quotes.
std::string Member(std::string_view name)
{
    return "\"" + std::string(name) + "\"";
}

Message MemberFault(const Where& where, std::string_view name, const Message& fault)
{
    return where + Message(KELVANE_TEXT("CoreText", "%1 "), Member(name)) + fault;
}

template <typename Int>
Int WholeNumber(const JsonValue& value, const Where& where, std::string_view name, Int min, Int max)
{
    Int number{};
    const std::string& text = value.text;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    if (value.kind != JsonValue::Kind::Number || result.ec != std::errc{} ||
        result.ptr != text.data() + text.size() || number < min || number > max)
        throw Fault{where + Message(KELVANE_TEXT("CoreText", "%1 is not a whole number from %2 to %3"),
                                    Member(name), min, max)};
    return number;
}

const JsonValue& Required(const JsonValue& object, std::string_view name, const Where& where = {})
{
    const JsonValue* value = object.Member(name);
    if (value == nullptr)
        throw Fault{where + Message(KELVANE_TEXT("CoreText", "%1 is missing"), Member(name))};
    return *value;
}

const std::string& Text(const JsonValue& value, const Where& where, std::string_view name)
{
    if (value.kind != JsonValue::Kind::String)
        throw Fault{where + Message(KELVANE_TEXT("CoreText", "%1 is not a text in quotes"), Member(name))};
    return value.text;
}

// The seed as a string of digits or as a whole number.
std::uint64_t Seed(const JsonValue& value)
{
    constexpr std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    if (value.kind != JsonValue::Kind::String)
        return WholeNumber<std::uint64_t>(value, {}, "seed", 0, max);
    JsonValue number;
    number.kind = JsonValue::Kind::Number;
    if (value.text.find_first_not_of("0123456789") == std::string::npos)
        number.text = value.text; // an empty text is no number either
    return WholeNumber<std::uint64_t>(number, {}, "seed", 0, max);
}

double Density(const JsonValue& value)
{
    double density = -1;
    const std::string& text = value.text;
    if (value.kind == JsonValue::Kind::Number)
        std::from_chars(text.data(), text.data() + text.size(), density);
    if (!(density >= 0 && density <= 1))
        throw Fault{
            Message(KELVANE_TEXT("CoreText", "%1 is not a number from %2 to %3"), Member("density"), 0, 1)};
    return density;
}

std::int16_t StarClassOf(const std::string& name, const Where& where)
{
    for (const std::int16_t code : StarClasses)
        if (StarClassName(code) == name)
            return code;
    throw Fault{MemberFault(where, "starClass",
                            Message(KELVANE_TEXT("CoreText", "%1 is not a star class"), Quoted(name)))};
}

std::int32_t StarTypeOf(const std::string& name, std::int16_t starClass, const Where& where)
{
    for (const std::int32_t code : StarTypes)
        if (StarTypeName(code, starClass) == name)
            return code;
    throw Fault{
        MemberFault(where, "starType",
                    Message(KELVANE_TEXT("CoreText", "%1 is not a star type of its class"), Quoted(name)))};
}

std::int32_t EnvironmentOf(const JsonValue& value, const Where& where)
{
    if (value.kind == JsonValue::Kind::Null)
        return TypeNothing;
    const std::string& name = Text(value, where, "bestEnvironment");
    for (const std::int32_t code : EnvironmentCodes)
        if (EnvironmentName(code) == name)
            return code;
    throw Fault{MemberFault(where, "bestEnvironment",
                            Message(KELVANE_TEXT("CoreText", "%1 is not an environment"), Quoted(name)))};
}

// A hex's "notes", when the entry has them.
std::string Notes(const JsonValue& entry, const Where& where)
{
    const JsonValue* value = entry.Member("notes");
    if (value == nullptr)
        return {};
    const std::string& text = Text(*value, where, "notes");
    if (const Message fault = HexNotesFault(text); !fault.Empty())
        throw Fault{where + Message(KELVANE_TEXT("CoreText", "the notes ")) + fault};
    return text;
}

// The hex an entry names, one of the grid's.
HexNumber HexOf(const JsonValue& entry, const HexGrid& grid, const Where& where)
{
    const std::string& hexText = Text(Required(entry, "hex", where), where, "hex");
    const auto hex = ParseHexNumber(hexText);
    if (!hex || !grid.Contains(*hex))
        throw Fault{
            MemberFault(where, "hex",
                        Message(KELVANE_TEXT("CoreText", "%1 is not a hex of the sector"), Quoted(hexText)))};
    return *hex;
}

Where SystemPlace(std::string_view system)
{
    return Message(KELVANE_TEXT("CoreText", "system %1: "), system);
}

SectorSystem ReadSystem(const JsonValue& entry, const HexGrid& grid, std::size_t index)
{
    Where where = SystemPlace(std::to_string(index + 1));
    if (entry.kind != JsonValue::Kind::Object)
        throw Fault{where + Message(KELVANE_TEXT("CoreText", "not an object"))};
    SectorSystem system;
    system.hex = HexOf(entry, grid, where);
    where = SystemPlace(system.hex.Text());

    system.name = Text(Required(entry, "name", where), where, "name");
    if (const Message fault = SectorNameFault(system.name); !fault.Empty())
        throw Fault{MemberFault(where, "name", fault)};

    system.code = Text(Required(entry, "code", where), where, "code");
    std::string why;
    const auto code = DecodeSystemCode(system.code, &why);
    if (!code)
        throw Fault{where + Message(KELVANE_TEXT("CoreText", "its code does not read: ")) + Message(why)};
    if (RunNumber(*code) > MaxSectorRunNumber)
        throw Fault{
            where +
            Message(
                KELVANE_TEXT("CoreText",
                             "its code names system %1 of a run; a sector's codes name one of the first %2"),
                RunNumber(*code), MaxSectorRunNumber)};
    system.system = RegenerateSystem(*code);
    system.system.SystemName = system.name;

    // The summary as the file gives it, or as the code's system has it.
    system.summary = SummarizeSystem(system.system);
    SystemSummary& summary = system.summary;
    if (const JsonValue* value = entry.Member("starClass"))
        summary.starClass = StarClassOf(Text(*value, where, "starClass"), where);
    if (const JsonValue* value = entry.Member("starType"))
        summary.starType = StarTypeOf(Text(*value, where, "starType"), summary.starClass, where);
    if (const JsonValue* value = entry.Member("bestEnvironment"))
        summary.bestEnvironment = EnvironmentOf(*value, where);
    const int orbits = StarSystem::OrbitCount;
    if (const JsonValue* value = entry.Member("planets"))
        summary.planets = WholeNumber<int>(*value, where, "planets", 0, orbits);
    if (const JsonValue* value = entry.Member("belts"))
        summary.belts = WholeNumber<int>(*value, where, "belts", 0, orbits);
    if (const JsonValue* value = entry.Member("moons"))
        summary.moons = WholeNumber<int>(*value, where, "moons", 0, orbits * 32767);
    if (summary.planets + summary.belts > orbits)
        throw Fault{where + Message(KELVANE_TEXT("CoreText", "more planets and belts than orbits"))};
    if (const JsonValue* value = entry.Member("edited")) {
        if (value->kind != JsonValue::Kind::Bool)
            throw Fault{where +
                        Message(KELVANE_TEXT("CoreText", "%1 is not true or false"), Member("edited"))};
        system.edited = value->boolean;
    }
    return system;
}

Sector ReadSector(const JsonValue& root)
{
    if (root.kind != JsonValue::Kind::Object || root.Member("kelvaneSector") == nullptr)
        throw Fault{Message(KELVANE_TEXT("CoreText", "this is not a Kelvane sector file (it has no %1)"),
                            Member("kelvaneSector"))};
    const JsonValue& version = *root.Member("kelvaneSector");
    int number = 0;
    const auto read = std::from_chars(version.text.data(), version.text.data() + version.text.size(), number);
    const bool whole = version.kind == JsonValue::Kind::Number && read.ec == std::errc{} &&
                       read.ptr == version.text.data() + version.text.size();
    if (whole && number > SectorFileVersion)
        throw Fault{
            Message(KELVANE_TEXT(
                        "CoreText",
                        "its %1 %2 is a newer version than this program reads; open it with a newer Kelvane"),
                    Member("kelvaneSector"), version.text)};
    if (!whole || number < 1)
        throw Fault{Message(KELVANE_TEXT("CoreText", "its %1 %2 is not a version this program reads"),
                            Member("kelvaneSector"), Quoted(version.text))};

    Sector sector;
    if (const JsonValue* name = root.Member("name")) {
        sector.name = Text(*name, {}, "name");
        if (const Message fault = SectorNameFault(sector.name); !fault.Empty())
            throw Fault{MemberFault({}, "name", fault)};
    }
    SectorOptions& options = sector.options;
    options.seed = Seed(Required(root, "seed"));
    options.width = WholeNumber<int>(Required(root, "width"), {}, "width", 1, SectorOptions::MaxWidth);
    options.height = WholeNumber<int>(Required(root, "height"), {}, "height", 1, SectorOptions::MaxHeight);
    options.density = Density(Required(root, "density"));
    options.lifeSupport = static_cast<LifeSupportLevel>(
        WholeNumber<std::int16_t>(Required(root, "lifeSupport"), {}, "lifeSupport", 1, 4));
    options.biozone =
        static_cast<BiozoneWidth>(WholeNumber<std::int16_t>(Required(root, "biozone"), {}, "biozone", 1, 3));

    const JsonValue& systems = Required(root, "systems");
    if (systems.kind != JsonValue::Kind::Array)
        throw Fault{Message(KELVANE_TEXT("CoreText", "%1 is not a list"), Member("systems"))};
    const HexGrid grid = sector.Grid();
    std::set<HexNumber> seen;
    for (std::size_t i = 0; i < systems.items.size(); ++i) {
        SectorSystem system = ReadSystem(systems.items[i], grid, i);
        if (!seen.insert(system.hex).second)
            throw Fault{Message(KELVANE_TEXT("CoreText", "hex %1 is listed twice"), system.hex.Text())};
        sector.SetNotes(system.hex, Notes(systems.items[i], SystemPlace(system.hex.Text())));
        sector.systems.push_back(std::move(system));
    }
    if (const JsonValue* empty = root.Member("emptyHexes")) {
        if (empty->kind != JsonValue::Kind::Array)
            throw Fault{Message(KELVANE_TEXT("CoreText", "%1 is not a list"), Member("emptyHexes"))};
        for (std::size_t i = 0; i < empty->items.size(); ++i) {
            const JsonValue& entry = empty->items[i];
            const Where where(KELVANE_TEXT("CoreText", "empty hex %1: "), i + 1);
            if (entry.kind != JsonValue::Kind::Object)
                throw Fault{where + Message(KELVANE_TEXT("CoreText", "not an object"))};
            const HexNumber hex = HexOf(entry, grid, where);
            if (!seen.insert(hex).second)
                throw Fault{Message(KELVANE_TEXT("CoreText", "hex %1 is listed twice"), hex.Text())};
            sector.SetNotes(hex, Notes(entry, Message(KELVANE_TEXT("CoreText", "hex %1: "), hex.Text())));
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
    Message error;
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
        return FileResult::BadContent(Message(KELVANE_TEXT("CoreText", "the file is empty")));
    return ReadSectorText(bytes, sector);
}

} // namespace kelvane
