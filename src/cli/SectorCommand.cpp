#include "cli/SectorCommand.h"

#include <QByteArray>
#include <algorithm>
#include <atomic>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <random>
#include <set>
#include <system_error>
#include <thread>
#include <vector>

#include "cli/OffscreenGui.h"
#include "core/files/AtomicFile.h"
#include "core/files/FileBytes.h"
#include "core/files/SystemFile.h"
#include "core/model/Codes.h"
#include "core/sector/SectorFile.h"
#include "core/sector/SectorGeneration.h"
#include "core/sector/SectorMap.h"
#include "core/sector/SectorMapSvg.h"
#include "render/SectorBook.h"

namespace kelvane {

namespace {

namespace fs = std::filesystem;

constexpr char MapFileName[] = "sector.svg";
constexpr char BookFileName[] = "sector.pdf";

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

// "0312.KVN": the system file of a hex.
bool IsHexFileName(const std::string& name)
{
    return name.size() == 8 && name.ends_with(".KVN") && ParseHexNumber(name.substr(0, 4)).has_value();
}

// What is in the folder already: the hex files of an earlier sector, or a
// reason not to write there.
std::string EarlierHexFiles(const std::string& folder, std::set<std::string>& hexFiles)
{
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (IsHexFileName(name))
            hexFiles.insert(name);
        else if (name != SectorFileName && name != MapFileName && name != BookFileName)
            return "holds other files than a sector's; choose an empty folder or a sector's own";
    }
    return error ? error.message() : std::string();
}

std::string Join(const std::string& folder, const std::string& name)
{
    return (fs::path(folder) / name).string();
}

// Writes each system's file DIR/CCRR.KVN, as Save As writes it, through the
// safe writer. The writer flushes every file to the disk before it puts it
// in place, and the disk serves several flushes at once about as fast as
// one: a few threads write a large sector ten times faster than one does.
// Each writer keeps to its own file; the little they share (the list of
// temporary names a signal removes) is kept with atomics. Returns the first file in hex order that could not
// be written and why, or an empty reason.
std::pair<std::string, std::string> WriteHexFiles(const Sector& sector, const std::string& folder,
                                                  char separator)
{
    constexpr std::size_t Threads = 8;
    const std::size_t count = sector.systems.size();
    std::vector<std::string> reasons(count);
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    const auto work = [&] {
        for (std::size_t i; !failed && (i = next++) < count;) {
            const SectorSystem& system = sector.systems[i];
            AtomicFileWriter writer;
            std::string reason = writer.Open(Join(folder, system.hex.Text() + ".KVN"));
            if (reason.empty())
                reason = writer.Write(SystemFileText(system.system, separator));
            if (reason.empty())
                reason = writer.Commit();
            if (!reason.empty()) {
                reasons[i] = reason;
                failed = true;
            }
        }
    };
    std::vector<std::thread> pool;
    for (std::size_t t = 1; t < std::min(Threads, count); ++t)
        pool.emplace_back(work);
    work();
    for (std::thread& thread : pool)
        thread.join();
    for (std::size_t i = 0; i < count; ++i)
        if (!reasons[i].empty())
            return {Join(folder, sector.systems[i].hex.Text() + ".KVN"), reasons[i]};
    return {};
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
    std::set<std::string> earlierHexFiles;
    if (const std::string refused = EarlierHexFiles(folder, earlierHexFiles); !refused.empty())
        return ReportFailure(folder, refused);

    const Sector sector = GenerateSector(options);
    const char separator = UserDecimalSeparator();
    const SectorMap map = DrawSectorMap(sector);

    // The book is made whole in memory first: a failure writes nothing.
    const OffscreenGui gui;
    if (!gui.Ready())
        return ReportFailure(folder, "no fonts: the book could not be laid out");
    const QByteArray book = SectorBookPdf(sector, AppSettings(), separator);
    if (book.isEmpty())
        return ReportFailure(Join(folder, BookFileName), "the PDF could not be made");

    // An earlier sector's index goes first: should a file fail to be
    // written, no index names a folder that is half the old sector and half
    // the new one.
    if (std::error_code error; !fs::remove(Join(folder, SectorFileName), error) && error)
        return ReportFailure(Join(folder, SectorFileName), error.message());
    if (const auto [path, reason] = WriteHexFiles(sector, folder, separator); !reason.empty())
        return ReportFailure(path, reason);
    for (const SectorSystem& system : sector.systems)
        earlierHexFiles.erase(system.hex.Text() + ".KVN");
    // The index last: a folder with a sector.json holds a whole sector.
    const std::string svg = SectorMapSvg(map);
    const std::string index = SectorFileText(sector);
    const std::pair<const char*, std::string_view> files[] = {
        {MapFileName, svg},
        {BookFileName, std::string_view(book.constData(), static_cast<std::size_t>(book.size()))},
        {SectorFileName, index},
    };
    for (const auto& [name, bytes] : files) {
        const std::string path = Join(folder, name);
        if (const std::string reason = ReplaceFileContents(path, bytes); !reason.empty())
            return ReportFailure(path, reason);
    }
    for (const std::string& name : earlierHexFiles) {
        std::error_code error;
        if (!fs::remove(Join(folder, name), error) && error)
            return ReportFailure(Join(folder, name), error.message());
    }
    return ExitOk;
}

} // namespace kelvane
