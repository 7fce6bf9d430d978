#include "core/sector/KeptSector.h"

#include <filesystem>
#include <system_error>

#include "core/files/FileBytes.h"
#include "core/sector/SectorFolder.h"
#include "core/text/Escaping.h"
#include "core/text/JsonValue.h"
#include "platform/AtomicFile.h"

namespace kelvane {

namespace {

namespace fs = std::filesystem;

constexpr char SessionFileName[] = "session.json";
constexpr char CopyFolderName[] = "sector";

std::string Join(const std::string& folder, const char* name)
{
    return (fs::path(folder) / name).string();
}

// Removes the copy of a sector: its own files, then the folder when that
// empties it.
void RemoveCopy(const std::string& copy)
{
    std::error_code error;
    for (const std::string& name : InspectSectorFolder(copy).sectorFiles)
        fs::remove(fs::path(copy) / name, error);
    fs::remove(copy, error);
}

} // namespace

std::string KeepSector(const std::string& folder, const Sector& sector, const KeptSector& kept,
                       char decimalSeparator)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        return folder + ": " + error.message();
    const std::string copy = Join(folder, CopyFolderName);
    const bool copied = kept.unsaved || kept.origin.empty();
    if (copied) {
        if (const SectorFolderResult written =
                WriteSectorFolder(sector, copy, decimalSeparator, std::nullopt);
            !written.Ok())
            return written.path + ": " + written.Text();
    }
    std::string text = R"({"kelvaneSession": 1, "origin": )";
    AppendJsonString(text, kept.origin);
    text += copied ? ", \"unsaved\": true}\n" : ", \"unsaved\": false}\n";
    AtomicFileWriter writer;
    const std::string path = Join(folder, SessionFileName);
    std::string reason = writer.Open(path);
    if (reason.empty())
        reason = writer.Write(text);
    if (reason.empty())
        reason = writer.Commit();
    if (!reason.empty())
        return path + ": " + reason;
    if (!copied)
        RemoveCopy(copy);
    return {};
}

void ForgetKeptSector(const std::string& folder)
{
    std::error_code error;
    fs::remove(Join(folder, SessionFileName), error);
    RemoveCopy(Join(folder, CopyFolderName));
}

std::optional<std::pair<KeptSector, Sector>> ReadKeptSector(const std::string& folder, char decimalSeparator,
                                                            Message& error)
{
    const std::string path = Join(folder, SessionFileName);
    std::string bytes;
    if (!ReadFileBytes(path, bytes).Ok())
        return std::nullopt;
    int line = 0;
    Message syntax;
    const std::optional<JsonValue> root = ParseJson(bytes, syntax, line);
    const JsonValue* origin = root ? root->Member("origin") : nullptr;
    const JsonValue* unsaved = root ? root->Member("unsaved") : nullptr;
    if (origin == nullptr || origin->kind != JsonValue::Kind::String || unsaved == nullptr ||
        unsaved->kind != JsonValue::Kind::Bool) {
        error = Message(KELVANE_TEXT("CoreText", "%1: "), path) +
                Message(KELVANE_TEXT("CoreText", "not a session this program keeps"));
        return std::nullopt;
    }
    KeptSector kept{origin->text, unsaved->boolean};
    const std::string source = kept.unsaved ? Join(folder, CopyFolderName) : kept.origin;
    Sector sector;
    if (const FileResult read = ReadSectorFolder(source, decimalSeparator, sector); !read.Ok()) {
        error = Message(KELVANE_TEXT("CoreText", "%1: "), source) + read.message;
        return std::nullopt;
    }
    return std::pair{std::move(kept), std::move(sector)};
}

} // namespace kelvane
