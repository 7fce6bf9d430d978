#include "cli/Commands.h"
#include "core/sector/SectorFolder.h"
#include "core/sector/SectorVault.h"

namespace kelvane {

int VaultCommand(const CliRequest& request)
{
    const auto& [folder, output] = std::get<VaultRequest>(request);
    const char separator = UserDecimalSeparator();
    Sector sector;
    if (const FileResult read = ReadSectorFolder(folder, separator, sector); !read.Ok())
        return ReportFailure(folder, read.message);
    if (const SectorFolderResult written = WriteSectorVault(sector, output, separator); !written.Ok())
        return ReportFailure(written.path, written.reason);
    return ExitOk;
}

} // namespace kelvane
