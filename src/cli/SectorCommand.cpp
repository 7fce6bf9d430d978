#include "cli/SectorCommand.h"

#include <charconv>
#include <random>

#include "cli/OffscreenGui.h"
#include "core/sector/SectorFolder.h"
#include "core/sector/SectorGeneration.h"
#include "render/SectorBook.h"

namespace kelvane {

namespace {

double ParseDensity(std::string_view option, std::string_view text)
{
    double value = -1;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != text.data() + text.size() ||
        !(value >= 0 && value <= 1))
        throw UsageError{std::string(option) + ": '" + std::string(text) + "' is not a number from 0 to 1"};
    return value;
}

std::uint64_t RandomSeed()
{
    std::random_device device;
    return static_cast<std::uint64_t>(device()) << 32 ^ device();
}

} // namespace

int SectorCommand(const Arguments& arguments)
{
    SectorOptions options;
    std::optional<std::uint64_t> seed;
    std::string folder;
    arguments.ForEach(
        [&](std::string_view name, std::string_view value) {
            if (name == "--seed")
                seed = ParseNumber<std::uint64_t>(name, value, 0, UINT64_MAX);
            else if (name == "--width")
                options.width = ParseNumber<int>(name, value, 1, SectorOptions::MaxWidth);
            else if (name == "--height")
                options.height = ParseNumber<int>(name, value, 1, SectorOptions::MaxHeight);
            else if (name == "--density")
                options.density = ParseDensity(name, value);
            else if (name == "--life-support")
                options.lifeSupport =
                    static_cast<LifeSupportLevel>(ParseNumber<std::int16_t>(name, value, 1, 4));
            else if (name == "--biozone")
                options.biozone = static_cast<BiozoneWidth>(ParseNumber<std::int16_t>(name, value, 1, 3));
            else if (name == "-o" || name == "--output")
                folder = std::string(value);
            else
                throw UsageError{"unknown option '" + std::string(name) + "'"};
        },
        [](std::string_view text) { throw UsageError{"unexpected argument '" + std::string(text) + "'"}; });
    if (folder.empty())
        throw UsageError{"sector: no output folder given (-o DIR)"};
    options.seed = seed ? *seed : RandomSeed();

    if (const int prepared = PrepareFolder(folder); prepared != ExitOk)
        return prepared;
    if (const std::string refused = InspectSectorFolder(folder).refusal; !refused.empty())
        return ReportFailure(folder, refused);

    const Sector sector = GenerateSector(options);
    const OffscreenGui gui;
    if (!gui.Ready())
        return ReportFailure(folder, "no fonts: the book could not be laid out");
    if (const SectorFolderResult written = WriteSectorFolderWithBook(sector, folder, UserDecimalSeparator());
        !written.Ok())
        return ReportFailure(written.path, written.reason);
    return ExitOk;
}

} // namespace kelvane
