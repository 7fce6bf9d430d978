#include "core/model/SystemDescription.h"

#include "core/model/Codes.h"
#include "core/model/NumberText.h"
#include "core/model/modGenerate.h"

namespace kelvane {

namespace {

// The short texts lead with a blank for the sign; a sentence does not.
std::string Trimmed(std::string text)
{
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

} // namespace

std::string StarDescription(const StarSystem& system)
{
    return "Star: " + std::string(StarTypeName(system.StarType, system.StarClass)) + ", " +
           std::string(StarClassName(system.StarClass)) + ", habitable zone " +
           Trimmed(ShortNumberText(system.BiozoneMin)) + " to " +
           Trimmed(ShortNumberText(system.BiozoneMax)) + " AUs";
}

std::string OrbitDescription(const StarSystem& system, int n, char separator)
{
    const OrbitRecord& orbit = system.Orbit(n);
    std::string text = "Orbit " + std::to_string(n) + ": ";
    const std::string_view contents = ContentsName(orbit.Type);
    text += contents.empty() ? std::string_view("empty") : contents;
    if (IsEnvironment(orbit.Type)) {
        text += ", ";
        text += EnvironmentName(orbit.Type);
        text += orbit.Moons == 0   ? std::string(", no moons")
                : orbit.Moons == 1 ? std::string(", 1 moon")
                                   : ", " + std::to_string(orbit.Moons) + " moons";
    }
    text += ", " + OneDecimalText(orbit.AU, separator) + " AUs";
    if (WithinBiozone(system, orbit.AU))
        text += ", habitable zone";
    return text;
}

} // namespace kelvane
