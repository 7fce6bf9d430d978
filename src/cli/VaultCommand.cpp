#include <algorithm>
#include <filesystem>
#include <system_error>

#include "cli/Commands.h"
#include "core/sector/SectorFolder.h"
#include "core/sector/SectorVault.h"

namespace kelvane {

namespace {

// Whether path lies inside folder (links resolved as far as they exist): a
// vault there would be a file the sector does not own, and the next write of
// the sector would refuse its folder.
bool Inside(const std::string& path, const std::string& folder)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path outer = fs::weakly_canonical(folder, error);
    if (error)
        return false;
    const fs::path inner = fs::weakly_canonical(path, error);
    if (error)
        return false;
    const auto [end, rest] = std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
    return end == outer.end() && rest != inner.end();
}

} // namespace

int VaultCommand(const CliRequest& request)
{
    const auto& [folder, output] = std::get<VaultRequest>(request);
    const char separator = UserDecimalSeparator();
    if (Inside(output, folder))
        return ReportFailure(output,
                             "is inside the sector's folder " + folder + "; choose a folder outside it");
    Sector sector;
    if (const FileResult read = ReadSectorFolder(folder, separator, sector); !read.Ok())
        return ReportFailure(folder, read.Text());
    if (const SectorFolderResult written = WriteSectorVault(sector, output, separator); !written.Ok())
        return ReportFailure(written.path, written.Text());
    return ExitOk;
}

} // namespace kelvane
