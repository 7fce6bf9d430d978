#include "cli/SectorCommand.h"

#include "cli/OffscreenGui.h"
#include "core/model/RandomSource.h"
#include "core/sector/SectorFolder.h"
#include "core/sector/SectorGeneration.h"
#include "render/SectorBook.h"

namespace kelvane {

int SectorCommand(const CliRequest& request)
{
    const auto& [given, seed, folder, book] = std::get<SectorRequest>(request);
    SectorOptions options = given;
    options.seed = seed ? *seed : RandomSource::EntropySeed(64);

    if (const int prepared = PrepareFolder(folder); prepared != ExitOk)
        return prepared;
    if (const std::string refused = English(InspectSectorFolder(folder).refusal); !refused.empty())
        return ReportFailure(folder, refused);

    const Sector sector = GenerateSector(options);
    const OffscreenGui gui;
    if (!gui.Ready())
        return ReportFailure(folder, "no fonts: the book could not be laid out");
    if (const SectorFolderResult written =
            WriteSectorFolderWithBook(sector, folder, UserDecimalSeparator(), book);
        !written.Ok())
        return ReportFailure(written.path, written.Text());
    return ExitOk;
}

} // namespace kelvane
