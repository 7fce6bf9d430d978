#include "core/sector/SectorVault.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <system_error>

#include "core/export/SystemWriters.h"
#include "core/model/Codes.h"
#include "core/sector/SectorMap.h"
#include "core/sector/SectorMapSvg.h"
#include "core/text/Escaping.h"
#include "core/text/Utf8.h"
#include "platform/FolderTransaction.h"
#include "platform/WholeFile.h"

namespace kelvane {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t MaxStemBytes = 200;
// The marker's first line; the lines after it are "HASH NAME".
constexpr std::string_view MarkerHeading = "kelvane vault 1";
// The largest file a vault holds is the map of a 64 x 80 sector, far below this.
constexpr std::size_t MaxVaultFileBytes = std::size_t{64} << 20;

bool IsReservedCharacter(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) ||
           std::u32string_view(U"/\\:*?\"<>|#^[]").find(c) != std::u32string_view::npos;
}

std::string AsciiLower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return text;
}

// Whether Windows takes the stem for a device, whatever follows its first dot.
bool IsWindowsDeviceName(const std::string& stem)
{
    std::string device = AsciiLower(stem.substr(0, stem.find('.')));
    while (device.ends_with(' '))
        device.pop_back();
    static const std::set<std::string> devices = {
        "con",  "prn",  "aux",  "nul",  "com1", "com2", "com3", "com4", "com5", "com6", "com7",
        "com8", "com9", "lpt1", "lpt2", "lpt3", "lpt4", "lpt5", "lpt6", "lpt7", "lpt8", "lpt9"};
    return devices.contains(device);
}

// FNV-1a: enough to see that a file changed since the vault wrote it.
std::string HashText(std::string_view bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    static constexpr char digits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        text[static_cast<std::size_t>(i)] = digits[hash & 15];
    return text;
}

// A string of the front matter: a JSON string is a double-quoted YAML scalar.
void AppendYamlField(std::string& out, std::string_view key, const std::string* value)
{
    out += key;
    out += ": ";
    if (value == nullptr)
        out += "null";
    else
        AppendJsonString(out, *value);
    out += '\n';
}

// A hex's note: its system (or none) and its notes.
struct HexNote {
    HexNumber hex;
    const SectorSystem* system = nullptr;
    std::string stem;
};

std::string NoteText(const Sector& sector, const HexNote& note, const std::map<HexNumber, std::string>& stems,
                     const std::string& indexStem, char decimalSeparator)
{
    const SectorSystem* system = note.system;
    const std::string hex = note.hex.Text();
    std::string out = "---\n";
    AppendYamlField(out, "hex", &hex);
    if (system != nullptr) {
        const SystemSummary& summary = system->summary;
        const std::string star(StarTypeName(summary.starType, summary.starClass));
        const std::string starClass(StarClassName(summary.starClass));
        const std::string best(EnvironmentName(summary.bestEnvironment));
        AppendYamlField(out, "name", &system->name);
        AppendYamlField(out, "code", system->code.empty() ? nullptr : &system->code);
        out += system->edited ? "edited: true\n" : "edited: false\n";
        AppendYamlField(out, "star", &star);
        AppendYamlField(out, "class", &starClass);
        AppendYamlField(out, "best", summary.bestEnvironment == TypeNothing ? nullptr : &best);
    } else {
        for (const char* key : {"name", "code", "star", "class", "best"})
            AppendYamlField(out, key, nullptr);
    }
    out += "tags: [kelvane]\n---\n\n";
    if (system != nullptr)
        // An edited system's code no longer makes it: the table shows none.
        AppendMarkdown(out, system->system, system->edited ? std::string_view() : system->code,
                       decimalSeparator);
    else
        out += "# " + hex + "\n\nNo system.\n";
    if (const std::string& notes = sector.NotesOf(note.hex); !notes.empty()) {
        out += "\n## Notes\n\n";
        AppendTextLines(out, notes, "");
    }
    std::string neighbours;
    for (const HexNumber next : sector.Grid().Neighbours(note.hex))
        if (const auto found = stems.find(next); found != stems.end())
            neighbours += "- [[" + found->second + "]]\n";
    if (!neighbours.empty())
        out += "\n## Neighbours\n\n" + neighbours;
    out += "\nSector: [[" + indexStem + "]]\n";
    return out;
}

std::string IndexText(const Sector& sector, const std::vector<HexNote>& notes)
{
    const std::string name = SectorName(sector);
    std::string out = "---\n";
    AppendYamlField(out, "sector", &name);
    out += "tags: [kelvane]\n---\n\n# ";
    AppendMarkdownText(out, name);
    out += "\n\n![";
    AppendMarkdownText(out, SectorTitle(sector));
    out += std::string("](") + SectorMapFileName + ")\n\n" + SectorOptionsText(sector.options) + "\n";
    if (notes.empty())
        return out;
    out += "\n| Hex | Note | Star | Class | Best | Notes |\n|---|---|---|---|---|---|\n";
    for (const HexNote& note : notes) {
        out += "| " + note.hex.Text() + " | [[" + note.stem + "]] | ";
        if (const SectorSystem* system = note.system) {
            const SystemSummary& summary = system->summary;
            out += std::string(StarTypeName(summary.starType, summary.starClass)) + " | " +
                   std::string(StarClassName(summary.starClass)) + " | " +
                   (summary.bestEnvironment == TypeNothing
                        ? std::string("-")
                        : std::string(EnvironmentName(summary.bestEnvironment))) +
                   " | ";
        } else {
            out += "(no system) |  |  | ";
        }
        // The first line of the notes, as a reminder.
        const std::string& text = sector.NotesOf(note.hex);
        std::string_view first = std::string_view(text).substr(0, text.find('\n'));
        if (first.ends_with('\r'))
            first.remove_suffix(1);
        AppendMarkdownText(out, first);
        out += " |\n";
    }
    return out;
}

std::string Join(const std::string& folder, const std::string& name)
{
    return (fs::path(folder) / name).string();
}

// The files the marker in folder lists, each with its hash; false when the
// folder has no marker that reads as one.
bool ReadMarker(const std::string& folder, std::map<std::string, std::string>& files)
{
    const WholeFile marker =
        ReadWholeFile(Join(folder, VaultMarkerFileName), MaxVaultFileBytes, FileKinds::RegularOnly);
    if (!marker.Ok())
        return false;
    std::string_view text = marker.bytes;
    const auto nextLine = [&text] {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        return line;
    };
    if (nextLine() != MarkerHeading)
        return false;
    while (!text.empty()) {
        const std::string_view line = nextLine();
        if (line.size() < 18 || line[16] != ' ')
            return false;
        files[std::string(line.substr(17))] = std::string(line.substr(0, 16));
    }
    return true;
}

// VaultFolderRefusal, with the vault's own files put in own.
Message InspectVaultFolder(const std::string& folder, std::vector<std::string>& own)
{
    std::error_code error;
    const fs::file_status status = fs::symlink_status(folder, error);
    if (status.type() == fs::file_type::not_found)
        return {};
    if (error)
        return Message(error.message());
    if (status.type() == fs::file_type::symlink)
        return Message(KELVANE_TEXT("CoreText", "is a symbolic link; choose the folder it names"));
    if (status.type() != fs::file_type::directory)
        return Message(KELVANE_TEXT("CoreText", "not a folder"));
    std::map<std::string, std::string> listed;
    const bool vault = ReadMarker(folder, listed);
    std::set<std::string> names;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
        names.insert(entry->path().filename().string());
    if (error)
        return Message(error.message());
    for (const std::string& name : names) {
        const auto found = listed.find(name);
        if (!vault || (found == listed.end() && name != VaultMarkerFileName))
            return Message(KELVANE_TEXT("CoreText", "holds %1, which is not a file of a notes vault; choose "
                                                    "an empty folder or a vault's own"),
                           name);
        std::error_code typeError;
        if (fs::symlink_status(Join(folder, name), typeError).type() != fs::file_type::regular)
            return Message(KELVANE_TEXT("CoreText", "holds %1, which is not a regular file"), name);
        if (found != listed.end()) {
            const WholeFile file =
                ReadWholeFile(Join(folder, name), MaxVaultFileBytes, FileKinds::RegularOnly);
            if (!file.Ok() || HashText(file.bytes) != found->second)
                return Message(KELVANE_TEXT("CoreText",
                                            "holds %1, which changed since the vault was written; move it "
                                            "away or choose another folder"),
                               name);
        }
        own.push_back(name);
    }
    return {};
}

} // namespace

std::string VaultFileStem(std::string_view text)
{
    std::string stem;
    while (!text.empty()) {
        char32_t cp = 0;
        std::size_t length = Utf8Sequence(text, cp);
        if (length == 0 || IsReservedCharacter(cp))
            stem += '_';
        else if (stem.size() + length <= MaxStemBytes)
            stem.append(text.substr(0, length));
        else
            break;
        text.remove_prefix(std::max<std::size_t>(length, 1));
        if (stem.size() >= MaxStemBytes)
            break;
    }
    if (stem.starts_with('.'))
        stem[0] = '_';
    for (std::size_t i = stem.size(); i > 0 && (stem[i - 1] == '.' || stem[i - 1] == ' '); --i)
        stem[i - 1] = '_';
    if (!stem.empty() && !IsWindowsDeviceName(stem))
        return stem;
    // Built anew rather than inserted into: GCC 12 at -O3 with
    // _FORTIFY_SOURCE, as the package builds, warns falsely of an overlap.
    std::string guarded(1, '_');
    guarded += stem;
    return guarded;
}

std::vector<VaultFile> SectorVault(const Sector& sector, std::string_view mapSvg, char decimalSeparator)
{
    std::vector<HexNote> notes;
    std::map<HexNumber, std::string> stems;
    std::set<std::string> taken; // lower case, as Windows and macOS compare names
    std::set<HexNumber> hexes;
    for (const SectorSystem& system : sector.systems)
        hexes.insert(system.hex);
    for (const auto& [hex, text] : sector.notes)
        hexes.insert(hex);
    for (const HexNumber hex : hexes) {
        HexNote note{hex, sector.At(hex), hex.Text()};
        if (note.system != nullptr)
            note.stem = VaultFileStem(note.stem + " " + note.system->name);
        stems[hex] = note.stem;
        taken.insert(AsciiLower(note.stem));
        notes.push_back(std::move(note));
    }
    // The hex in front makes the notes' names unique; the index gives way.
    std::string indexStem = VaultFileStem(SectorName(sector));
    while (taken.contains(AsciiLower(indexStem)))
        indexStem += " (sector)";

    std::vector<VaultFile> files;
    files.push_back({SectorMapFileName, std::string(mapSvg)});
    files.push_back({indexStem + ".md", IndexText(sector, notes)});
    for (const HexNote& note : notes)
        files.push_back({note.stem + ".md", NoteText(sector, note, stems, indexStem, decimalSeparator)});
    std::string marker = std::string(MarkerHeading) + "\n";
    for (const VaultFile& file : files)
        marker += HashText(file.bytes) + " " + file.name + "\n";
    files.push_back({VaultMarkerFileName, std::move(marker)});
    return files;
}

Message VaultFolderRefusal(const std::string& folder)
{
    std::vector<std::string> own;
    return InspectVaultFolder(folder, own);
}

SectorFolderResult WriteVaultFolder(const std::vector<VaultFile>& files, const std::string& folder)
{
    FolderTransaction transaction;
    if (const std::string reason = transaction.Begin(folder); !reason.empty())
        return {folder, Message(reason)};
    std::vector<std::string> earlier;
    if (Message refusal = InspectVaultFolder(folder, earlier); !refusal.Empty())
        return {folder, std::move(refusal)};
    for (const VaultFile& file : files)
        if (const std::string reason = transaction.Write(file.name, file.bytes); !reason.empty())
            return {Join(folder, file.name), Message(reason)};
    if (const std::string reason = transaction.Commit(earlier); !reason.empty())
        return {folder, Message(reason)};
    return {};
}

SectorFolderResult WriteSectorVault(const Sector& sector, const std::string& folder, char decimalSeparator)
{
    return WriteVaultFolder(SectorVault(sector, SectorMapSvg(DrawSectorMap(sector)), decimalSeparator),
                            folder);
}

} // namespace kelvane
