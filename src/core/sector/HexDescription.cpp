#include "core/sector/HexDescription.h"

#include "core/model/Codes.h"

namespace kelvane {

std::string HexDescription(const Sector& sector, HexNumber hex)
{
    const std::string notes = sector.NotesOf(hex).empty() ? "" : ", notes";
    const SectorSystem* entry = sector.At(hex);
    if (entry == nullptr)
        return hex.Text() + ": no system" + notes;
    const SystemSummary& summary = entry->summary;
    std::string text = hex.Text() + " " + entry->name + ": " +
                       std::string(StarTypeName(summary.starType, summary.starClass)) + ", " +
                       std::string(StarClassName(summary.starClass));
    if (summary.bestEnvironment == TypeNothing)
        text += summary.planets == 0 ? ", no planets" : ", planets of no known environment";
    else
        text += ", best world " + std::string(EnvironmentName(summary.bestEnvironment));
    return text + notes;
}

} // namespace kelvane
