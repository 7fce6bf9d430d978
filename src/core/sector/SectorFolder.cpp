#include "core/sector/SectorFolder.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "core/files/FileBytes.h"
#include "core/files/SystemFile.h"
#include "core/sector/SectorFile.h"
#include "core/sector/SectorMap.h"
#include "core/sector/SectorMapSvg.h"
#include "platform/AtomicFile.h"

namespace kelvane {

namespace {

namespace fs = std::filesystem;

bool IsHexFileName(const std::string& name)
{
    return name.size() == 8 && name.ends_with(".KVN") && ParseHexNumber(name.substr(0, 4)).has_value();
}

std::string Join(const std::string& folder, const std::string& name)
{
    return (fs::path(folder) / name).string();
}

// Writes each system's file through the safe writer. The writer flushes
// every file to the disk before it puts it in place, and the disk serves
// several flushes at once about as fast as one: a few threads write a large
// sector ten times faster than one does. Each writer keeps to its own file;
// the little they share (the list of temporary names a signal removes) is
// kept with atomics. Returns the first file in hex order that could not be
// written and why.
SectorFolderResult WriteHexFiles(const Sector& sector, const std::string& folder, char separator)
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
            std::string reason = writer.Open(Join(folder, HexFileName(system.hex)));
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
            return {Join(folder, HexFileName(sector.systems[i].hex)), reasons[i]};
    return {};
}

// The message of a failed read with the file's name in front.
FileResult Naming(const std::string& name, FileResult result)
{
    result.message = name + ": " + result.message;
    return result;
}

} // namespace

std::string HexFileName(HexNumber hex)
{
    return hex.Text() + ".KVN";
}

SectorFolderContents InspectSectorFolder(const std::string& folder)
{
    SectorFolderContents contents;
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (status.type() == fs::file_type::not_found)
        return contents;
    if (error) {
        contents.refusal = error.message();
        return contents;
    }
    if (status.type() != fs::file_type::directory) {
        contents.refusal = "not a folder";
        return contents;
    }
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (IsHexFileName(name) || name == SectorFileName || name == SectorMapFileName ||
            name == SectorBookFileName) {
            contents.sectorFiles.insert(name);
        } else {
            contents.refusal = "holds other files than a sector's; choose an empty folder or a sector's own";
            return contents;
        }
    }
    if (error)
        contents.refusal = error.message();
    return contents;
}

SectorFolderResult WriteSectorFolder(const Sector& sector, const std::string& folder, char decimalSeparator,
                                     std::string_view book)
{
    if (std::error_code error; !fs::exists(folder, error) && !error) {
        if (!fs::create_directory(folder, error) && error)
            return {folder, error.message()};
    }
    SectorFolderContents earlier = InspectSectorFolder(folder);
    if (!earlier.refusal.empty())
        return {folder, earlier.refusal};

    const std::string index = Join(folder, SectorFileName);
    if (std::error_code error; !fs::remove(index, error) && error)
        return {index, error.message()};
    if (SectorFolderResult written = WriteHexFiles(sector, folder, decimalSeparator); !written.Ok())
        return written;
    const std::string svg = SectorMapSvg(DrawSectorMap(sector));
    const std::string indexText = SectorFileText(sector);
    const std::pair<const char*, std::string_view> files[] = {
        {SectorMapFileName, svg},
        {SectorBookFileName, book},
        {SectorFileName, indexText},
    };
    for (const auto& [name, bytes] : files) {
        const std::string path = Join(folder, name);
        if (const std::string reason = ReplaceFileContents(path, bytes); !reason.empty())
            return {path, reason};
    }

    for (const SectorSystem& system : sector.systems)
        earlier.sectorFiles.erase(HexFileName(system.hex));
    for (const std::string& name : earlier.sectorFiles) {
        if (!IsHexFileName(name))
            continue;
        std::error_code error;
        if (!fs::remove(Join(folder, name), error) && error)
            return {Join(folder, name), error.message()};
    }
    return {};
}

FileResult ReadSectorFolder(const std::string& folder, char decimalSeparator, Sector& sector)
{
    Sector read;
    if (FileResult index = ReadSectorFile(Join(folder, SectorFileName), read); !index.Ok())
        return Naming(SectorFileName, std::move(index));
    std::string bytes;
    for (SectorSystem& entry : read.systems) {
        const std::string name = HexFileName(entry.hex);
        FileResult file = ReadFileBytes(Join(folder, name), bytes);
        // The file is read over the system the code makes: a field the file
        // leaves out keeps what generation gave it.
        StarSystem system = entry.system;
        if (file.Ok())
            file = ReadSystemFileBytes(bytes, system, decimalSeparator);
        if (!file.Ok())
            return Naming(name, std::move(file));
        // ReadSectorText made the entry's system from its code.
        const StarSystem generated = entry.system;
        SetHexSystem(entry, system, generated);
    }
    sector = std::move(read);
    return FileResult::Done();
}

} // namespace kelvane
