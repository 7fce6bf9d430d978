#include "cli/SectorShow.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/Codes.h"
#include "core/sector/SectorFile.h"
#include "core/sector/SectorMap.h"
#include "core/text/Escaping.h"

namespace kelvane {

namespace {

// The number of characters of a UTF-8 text, for lining up columns.
std::size_t Characters(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void AppendPadded(std::string& out, const std::string& text, std::size_t width)
{
    out += text;
    out.append(width - std::min(width, Characters(text)) + 2, ' ');
}

void AppendRight(std::string& out, int number, std::size_t width)
{
    const std::string text = std::to_string(number);
    out.append(width - std::min(width, text.size()), ' ');
    out += text;
    out += "  ";
}

std::string BestName(const SystemSummary& summary)
{
    return summary.bestEnvironment == TypeNothing ? "-"
                                                  : std::string(EnvironmentName(summary.bestEnvironment));
}

// The hexes with notes but no system, in hex order.
std::vector<HexNumber> EmptyHexesWithNotes(const Sector& sector)
{
    std::vector<HexNumber> hexes;
    for (const auto& [hex, notes] : sector.notes)
        if (sector.At(hex) == nullptr)
            hexes.push_back(hex);
    return hexes;
}

// The sector as a table: its title and options, then a row per system with
// its notes indented below it, and the notes of empty hexes.
std::string SectorTable(const Sector& sector)
{
    std::string out = SectorTitle(sector) + "\n" + SectorOptionsText(sector.options) + "\n";
    if (sector.systems.empty())
        return out;
    std::size_t nameWidth = 4, typeWidth = 4, classWidth = 5;
    for (const SectorSystem& system : sector.systems) {
        nameWidth = std::max(nameWidth, Characters(system.name));
        typeWidth =
            std::max(typeWidth, StarTypeName(system.summary.starType, system.summary.starClass).size());
        classWidth = std::max(classWidth, StarClassName(system.summary.starClass).size());
    }
    out += '\n';
    AppendPadded(out, "Hex", 4);
    AppendPadded(out, "Name", nameWidth);
    AppendPadded(out, "Type", typeWidth);
    AppendPadded(out, "Class", classWidth);
    out += "Best       Planets  Belts  Moons  Code\n";
    for (const SectorSystem& system : sector.systems) {
        const SystemSummary& summary = system.summary;
        AppendPadded(out, system.hex.Text(), 4);
        AppendPadded(out, system.name, nameWidth);
        AppendPadded(out, std::string(StarTypeName(summary.starType, summary.starClass)), typeWidth);
        AppendPadded(out, std::string(StarClassName(summary.starClass)), classWidth);
        AppendPadded(out, BestName(summary), 9);
        AppendRight(out, summary.planets, 7);
        AppendRight(out, summary.belts, 5);
        AppendRight(out, summary.moons, 5);
        out += system.code;
        out += '\n';
        AppendTextLines(out, sector.NotesOf(system.hex), "      ");
    }
    for (const HexNumber hex : EmptyHexesWithNotes(sector)) {
        out += hex.Text() + "  (no system)\n";
        AppendTextLines(out, sector.NotesOf(hex), "      ");
    }
    return out;
}

// The sector in Markdown: its title as a heading, its options, a table of
// its systems, and a paragraph of notes per hex that has them.
std::string SectorMarkdown(const Sector& sector)
{
    std::string out = "# ";
    AppendMarkdownText(out, SectorTitle(sector));
    out += "\n\n" + SectorOptionsText(sector.options) + "\n";
    if (!sector.systems.empty()) {
        out += "\n| Hex | Name | Type | Class | Best | Planets | Belts | Moons | Code |\n"
               "|---|---|---|---|---|--:|--:|--:|---|\n";
        for (const SectorSystem& system : sector.systems) {
            const SystemSummary& summary = system.summary;
            out += "| " + system.hex.Text() + " | ";
            AppendMarkdownText(out, system.name);
            out += " | " + std::string(StarTypeName(summary.starType, summary.starClass)) + " | " +
                   std::string(StarClassName(summary.starClass)) + " | " + BestName(summary) + " | " +
                   std::to_string(summary.planets) + " | " + std::to_string(summary.belts) + " | " +
                   std::to_string(summary.moons) + " | `" + system.code + "` |\n";
        }
    }
    for (const auto& [hex, notes] : sector.notes) {
        out += "\n**" + hex.Text();
        if (const SectorSystem* system = sector.At(hex)) {
            out += ' ';
            AppendMarkdownText(out, system->name);
        }
        out += "**\n\n";
        AppendTextLines(out, notes, "");
    }
    return out;
}

void AppendCsvField(std::string& out, const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

std::string SectorCsv(const Sector& sector)
{
    std::string out = "hex,name,code,star_class,star_type,best_environment,planets,belts,moons\n";
    for (const SectorSystem& system : sector.systems) {
        const SystemSummary& summary = system.summary;
        out += system.hex.Text() + ",";
        AppendCsvField(out, system.name);
        // Appended piece by piece: "," + text + "," draws a false -Wrestrict
        // from GCC 12 at -O3 with _FORTIFY_SOURCE, as the package builds.
        out += ',';
        out += system.code;
        out += ',';
        AppendCsvField(out, std::string(StarClassName(summary.starClass)));
        out += ',';
        AppendCsvField(out, std::string(StarTypeName(summary.starType, summary.starClass)));
        out += ',';
        out += EnvironmentName(summary.bestEnvironment);
        for (const int count : {summary.planets, summary.belts, summary.moons}) {
            out += ',';
            out += std::to_string(count);
        }
        out += '\n';
    }
    return out;
}

} // namespace

bool IsSectorFileArgument(const std::string& path, const std::string& bytes)
{
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower.ends_with(".json"))
        return true;
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string::npos && bytes[first] == '{';
}

int ShowSectorCommand(const std::string& name, const std::string& bytes, SystemFormat format)
{
    if (format == SystemFormat::Kvn)
        throw UsageError{"--format: a sector has no kvn form; its systems are the CCRR.KVN files beside it"};
    Sector sector;
    if (bytes.empty())
        return ReportFailure(name, "the file is empty");
    if (const FileResult read = ReadSectorText(bytes, sector); !read.Ok())
        return ReportFailure(name, read.Text());
    Output output("");
    switch (format) {
    case SystemFormat::Json: output.Buffer() = SectorFileText(sector); break;
    case SystemFormat::Csv: output.Buffer() = SectorCsv(sector); break;
    case SystemFormat::Markdown: output.Buffer() = SectorMarkdown(sector); break;
    default: output.Buffer() = SectorTable(sector); break;
    }
    if (!output.Close())
        return ReportFailure(output.Name(), output.Error());
    return ExitOk;
}

} // namespace kelvane
