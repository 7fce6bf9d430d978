#include "core/sector/SectorFolder.h"

#include <filesystem>
#include <map>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "core/files/FileBytes.h"
#include "core/files/SystemFile.h"
#include "core/sector/SectorFile.h"
#include "core/sector/SectorMap.h"
#include "core/sector/SectorMapSvg.h"
#include "core/text/JsonValue.h"
#include "platform/FolderTransaction.h"
#include "platform/WholeFile.h"

namespace kelvane {

namespace {

namespace fs = std::filesystem;

// sector.json is far smaller than this: a 64 x 80 sector's index is about
// 1.2 MB.
constexpr std::size_t MaxIndexBytes = std::size_t{16} << 20;

std::string Join(const std::string& folder, const std::string& name)
{
    return (fs::path(folder) / name).string();
}

// The names of a folder's own files as its index lists them, without reading
// the systems: whether the index says it is a sector, and its hex files.
bool IndexedFiles(const std::string& folder, std::set<std::string>& names)
{
    const WholeFile file = ReadWholeFile(Join(folder, SectorFileName), MaxIndexBytes, FileKinds::RegularOnly);
    Message error;
    int line = 0;
    const std::optional<JsonValue> root = file.Ok() ? ParseJson(file.bytes, error, line) : std::nullopt;
    if (!root || root->Member("kelvaneSector") == nullptr)
        return false;
    if (const JsonValue* systems = root->Member("systems")) {
        for (const JsonValue& system : systems->items) {
            const JsonValue* hex = system.Member("hex");
            if (hex != nullptr && hex->kind == JsonValue::Kind::String)
                if (const auto number = ParseHexNumber(hex->text))
                    names.insert(HexFileName(*number));
        }
    }
    return true;
}

// The message of a failed read with the file's name in front.
FileResult Naming(const std::string& name, FileResult result)
{
    result.message = Message(KELVANE_TEXT("CoreText", "%1: "), name) + result.message;
    return result;
}

// A member's bytes: a regular file only, read without waiting on a pipe.
FileResult ReadMember(const std::string& path, std::size_t maxBytes, std::string& bytes)
{
    WholeFile file = ReadWholeFile(path, maxBytes, FileKinds::RegularOnly);
    bytes = std::move(file.bytes);
    if (file.status == WholeFile::Status::TooLarge)
        return FileResult::CannotAccess(
            Message(KELVANE_TEXT("CoreText", "the file is larger than %1 MiB"), maxBytes >> 20));
    return file.Ok() ? FileResult::Done() : FileResult::CannotAccess(Message(file.error));
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
    const fs::file_status status = fs::symlink_status(folder, error);
    if (status.type() == fs::file_type::not_found)
        return contents;
    if (error) {
        contents.refusal = Message(error.message());
        return contents;
    }
    if (status.type() == fs::file_type::symlink) {
        contents.refusal =
            Message(KELVANE_TEXT("CoreText", "is a symbolic link; choose the folder it names"));
        return contents;
    }
    if (status.type() != fs::file_type::directory) {
        contents.refusal = Message(KELVANE_TEXT("CoreText", "not a folder"));
        return contents;
    }
    std::set<std::string> own{SectorFileName, SectorMapFileName, SectorBookFileName};
    contents.holdsSector = IndexedFiles(folder, own);
    std::set<std::string> foreign;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        std::error_code typeError;
        if (own.contains(name) && entry->is_regular_file(typeError) && !entry->is_symlink(typeError))
            contents.sectorFiles.insert(name);
        else
            foreign.insert(name);
    }
    if (error)
        contents.refusal = Message(error.message());
    else if (!foreign.empty())
        contents.refusal =
            own.contains(*foreign.begin())
                ? Message(
                      KELVANE_TEXT(
                          "CoreText",
                          "holds %1, which is not a regular file; choose an empty folder or a sector's own"),
                      *foreign.begin())
                : Message(
                      KELVANE_TEXT(
                          "CoreText",
                          "holds %1, which is not a sector's file; choose an empty folder or a sector's own"),
                      *foreign.begin());
    return contents;
}

namespace {

// The bytes of each hex's system file, as a folder holds them.
using SystemFileBytes = std::map<HexNumber, std::string>;

// Writes sector's files into the transaction's new folder and puts it in
// place of folder: each system's file (kept's bytes when given, else the
// system as the sector holds it), the map, the book and the index.
SectorFolderResult WriteMembers(FolderTransaction& transaction, const std::string& folder,
                                const SectorFolderContents& earlier, const Sector& sector,
                                char decimalSeparator, const SystemFileBytes* kept,
                                std::optional<std::string_view> book, const SectorWriteStep& step)
{
    const auto goOn = [&step] { return !step || step(); };
    for (const SectorSystem& system : sector.systems) {
        const std::string name = HexFileName(system.hex);
        const std::string bytes =
            kept != nullptr ? kept->at(system.hex) : SystemFileText(system.system, decimalSeparator);
        if (const std::string reason = transaction.Write(name, bytes); !reason.empty())
            return {Join(folder, name), Message(reason)};
        if (!goOn())
            return SectorWriteCancelledIn(folder);
    }
    const std::string svg = SectorMapSvg(DrawSectorMap(sector));
    const std::string indexText = SectorFileText(sector);
    std::vector<std::pair<const char*, std::string_view>> files{{SectorMapFileName, svg}};
    if (book)
        files.emplace_back(SectorBookFileName, *book);
    files.emplace_back(SectorFileName, indexText);
    for (const auto& [name, bytes] : files) {
        if (const std::string reason = transaction.Write(name, bytes); !reason.empty())
            return {Join(folder, name), Message(reason)};
        if (!goOn())
            return SectorWriteCancelledIn(folder);
    }
    const std::vector<std::string> old(earlier.sectorFiles.begin(), earlier.sectorFiles.end());
    if (const std::string reason = transaction.Commit(old); !reason.empty())
        return {folder, Message(reason)};
    return {};
}

// ReadSectorFolder, keeping each system file's bytes in files when asked.
FileResult ReadFolder(const std::string& folder, char decimalSeparator, Sector& sector,
                      SystemFileBytes* files)
{
    Sector read;
    std::string bytes;
    FileResult index = ReadMember(Join(folder, SectorFileName), MaxIndexBytes, bytes);
    if (index.Ok())
        index = bytes.empty() ? FileResult::BadContent(Message(KELVANE_TEXT("CoreText", "the file is empty")))
                              : ReadSectorText(bytes, read);
    if (!index.Ok())
        return Naming(SectorFileName, std::move(index));
    for (SectorSystem& entry : read.systems) {
        const std::string name = HexFileName(entry.hex);
        FileResult file = ReadMember(Join(folder, name), MaxSystemFileBytes, bytes);
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
        if (files != nullptr)
            (*files)[entry.hex] = std::move(bytes);
    }
    sector = std::move(read);
    return FileResult::Done();
}

// Begins the transaction on folder and looks, under its lock, at what the
// folder holds: empty text, or why no sector may be written there.
Message BeginWrite(FolderTransaction& transaction, const std::string& folder, SectorFolderContents& earlier)
{
    if (std::string reason = transaction.Begin(folder); !reason.empty())
        return Message(std::move(reason));
    earlier = InspectSectorFolder(folder);
    return earlier.refusal;
}

} // namespace

SectorFolderResult WriteSectorFolder(const Sector& sector, const std::string& folder, char decimalSeparator,
                                     std::optional<std::string_view> book, const SectorWriteStep& step)
{
    FolderTransaction transaction;
    SectorFolderContents earlier;
    if (Message reason = BeginWrite(transaction, folder, earlier); !reason.Empty())
        return {folder, std::move(reason)};
    return WriteMembers(transaction, folder, earlier, sector, decimalSeparator, nullptr, book, step);
}

SectorFolderResult UpdateSectorFolder(const std::string& folder, char decimalSeparator,
                                      const std::function<std::string(Sector&)>& change,
                                      const SectorBookMaker& makeBook)
{
    FolderTransaction transaction;
    SectorFolderContents earlier;
    if (Message reason = BeginWrite(transaction, folder, earlier); !reason.Empty())
        return {folder, std::move(reason)};
    if (!earlier.sectorFiles.contains(SectorFileName))
        return {folder, Message(KELVANE_TEXT("CoreText", "holds no sector: it has no %1"), SectorFileName)};
    Sector sector;
    SystemFileBytes kept;
    if (const FileResult read = ReadFolder(folder, decimalSeparator, sector, &kept); !read.Ok())
        return {folder, read.message};
    if (std::string refused = change(sector); !refused.empty())
        return {folder, Message(std::move(refused))};
    std::optional<std::string> book;
    if (earlier.sectorFiles.contains(SectorBookFileName)) {
        book = makeBook(sector);
        if (!book)
            return {Join(folder, SectorBookFileName),
                    Message(KELVANE_TEXT("CoreText", "the PDF could not be made"))};
    }
    return WriteMembers(transaction, folder, earlier, sector, decimalSeparator, &kept, book, {});
}

FileResult ReadSectorFolder(const std::string& folder, char decimalSeparator, Sector& sector)
{
    return ReadFolder(folder, decimalSeparator, sector, nullptr);
}

} // namespace kelvane
