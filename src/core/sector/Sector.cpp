#include "core/sector/Sector.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/model/Codes.h"
#include "core/text/Utf8.h"

namespace kelvane {

namespace {

std::string OutOfRange(const char* what, long long value, int min, int max)
{
    return std::string(what) + " " + std::to_string(value) + " is not between " + std::to_string(min) +
           " and " + std::to_string(max);
}

int Rank(std::int32_t environment)
{
    for (int i = 0; i < 6; ++i)
        if (EnvironmentCodes[i] == environment)
            return i;
    return -1;
}

} // namespace

std::string CheckSectorOptions(const SectorOptions& options)
{
    if (options.width < 1 || options.width > SectorOptions::MaxWidth)
        return OutOfRange("width", options.width, 1, SectorOptions::MaxWidth);
    if (options.height < 1 || options.height > SectorOptions::MaxHeight)
        return OutOfRange("height", options.height, 1, SectorOptions::MaxHeight);
    if (!(options.density >= 0 && options.density <= 1))
        return "density is not between 0 and 1";
    const auto lifeSupport = static_cast<std::int16_t>(options.lifeSupport);
    if (lifeSupport < 1 || lifeSupport > 4)
        return OutOfRange("Life Support", lifeSupport, 1, 4);
    const auto biozone = static_cast<std::int16_t>(options.biozone);
    if (biozone < 1 || biozone > 3)
        return OutOfRange("Bio Zone", biozone, 1, 3);
    return {};
}

SystemSummary SummarizeSystem(const StarSystem& system)
{
    SystemSummary summary;
    summary.starClass = system.StarClass;
    summary.starType = system.StarType;
    int best = -1;
    for (const OrbitRecord& orbit : system.Orbits) {
        if (orbit.Type == TypeAsteroids) {
            ++summary.belts;
        } else if (IsPlanetType(orbit.Type)) {
            ++summary.planets;
            summary.moons += std::max<int>(orbit.Moons, 0);
            best = std::max(best, Rank(orbit.Type));
        }
    }
    summary.bestEnvironment = best < 0 ? TypeNothing : EnvironmentCodes[best];
    return summary;
}

const SectorSystem* Sector::At(HexNumber hex) const
{
    const auto found = std::lower_bound(systems.begin(), systems.end(), hex,
                                        [](const SectorSystem& s, HexNumber h) { return s.hex < h; });
    return found != systems.end() && found->hex == hex ? &*found : nullptr;
}

SectorSystem* Sector::Find(HexNumber hex)
{
    return const_cast<SectorSystem*>(std::as_const(*this).At(hex));
}

const std::string& Sector::NotesOf(HexNumber hex) const
{
    static const std::string none;
    const auto found = notes.find(hex);
    return found == notes.end() ? none : found->second;
}

void Sector::SetNotes(HexNumber hex, std::string text)
{
    if (text.empty())
        notes.erase(hex);
    else
        notes[hex] = std::move(text);
}

std::string SectorName(const Sector& sector)
{
    return sector.name.empty() ? "Sector " + std::to_string(sector.options.seed) : sector.name;
}

Message HexNotesFault(std::string_view text)
{
    if (text.size() > MaxHexNotesBytes)
        return Message(KELVANE_TEXT("CoreText", "are longer than %1 bytes"), MaxHexNotesBytes);
    while (!text.empty()) {
        char32_t cp = 0;
        const std::size_t length = SurrogateSequence(text) != 0 ? 3 : Utf8Sequence(text, cp);
        if (length == 0)
            return Message(KELVANE_TEXT("CoreText", "are not UTF-8 text"));
        text.remove_prefix(length);
    }
    return {};
}

Message SectorNameFault(std::string_view name)
{
    if (name.empty() || name.size() > MaxSectorNameBytes)
        return Message(KELVANE_TEXT("CoreText", "is empty or longer than %1 bytes"), MaxSectorNameBytes);
    // C0, DEL and C1 (U+0080 to U+009F, C2 80 to C2 9F in UTF-8): a terminal
    // or a system file's line would take them as commands.
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c < 0x20 || c == 0x7F ||
            (c == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) < 0xA0))
            return Message(KELVANE_TEXT("CoreText", "holds a line break or another control character"));
    }
    return {};
}

void SetHexSystem(SectorSystem& entry, const StarSystem& system, const StarSystem& generated)
{
    // generated may be the entry's own system: it is read before that changes.
    StarSystem named = generated;
    named.SystemName = system.SystemName;
    entry.edited = named != system;
    entry.system = system;
    if (IsSectorName(system.SystemName))
        entry.name = system.SystemName;
    entry.summary = SummarizeSystem(system);
}

} // namespace kelvane
