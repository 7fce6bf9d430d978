#include "core/sector/SectorGeneration.h"

#include "core/sector/HexDraws.h"
#include "core/sector/SectorNames.h"

namespace kelvane {

bool HexOccupied(const SectorOptions& options, HexNumber hex)
{
    return HexDraws(options.seed, hex, HexDraws::Purpose::Occupancy).Unit() < options.density;
}

std::uint64_t HexSystemSeed(std::uint64_t sectorSeed, HexNumber hex)
{
    return HexDraws(sectorSeed, hex, HexDraws::Purpose::SystemSeed).Next() >> 22;
}

SystemCode HexSystemCode(const SectorOptions& options, HexNumber hex)
{
    return BatchSystemCode(HexSystemSeed(options.seed, hex), 1, options.lifeSupport, options.biozone);
}

Sector GenerateSector(const SectorOptions& options)
{
    Sector sector;
    sector.options = options;
    SectorNames names(options.seed);
    for (int column = 1; column <= options.width; ++column) {
        for (int row = 1; row <= options.height; ++row) {
            const HexNumber hex{column, row};
            if (!HexOccupied(options, hex))
                continue;
            const SystemCode code = HexSystemCode(options, hex);
            SectorSystem& entry = sector.systems.emplace_back();
            entry.hex = hex;
            entry.name = names.NameFor(hex);
            entry.code = EncodeSystemCode(code);
            entry.system = RegenerateSystem(code);
            entry.system.SystemName = entry.name;
            entry.summary = SummarizeSystem(entry.system);
        }
    }
    return sector;
}

} // namespace kelvane
