#include "cli/NotebookCommands.h"

#include <filesystem>
#include <optional>

#include "cli/OffscreenGui.h"
#include "core/sector/SectorFolder.h"
#include "render/SectorBook.h"

namespace kelvane {

namespace {

// "hex 0905 is not a hex of this 8 x 10 sector", or empty when it is one.
std::string HexFault(const Sector& sector, HexNumber hex)
{
    if (sector.Grid().Contains(hex))
        return {};
    return "hex " + hex.Text() + " is not a hex of this " + std::to_string(sector.options.width) + " x " +
           std::to_string(sector.options.height) + " sector";
}

// Writes the change into the folder, the book made again with the defaults
// kelvane-cli sector writes it with.
int Update(const std::string& folder, const std::function<std::string(Sector&)>& change)
{
    const char separator = UserDecimalSeparator();
    std::optional<OffscreenGui> gui;
    const SectorBookMaker makeBook = [&](const Sector& sector) -> std::optional<std::string> {
        if (!gui.emplace().Ready())
            return std::nullopt;
        const QByteArray pdf = SectorBookPdf(sector, AppSettings(), separator);
        if (pdf.isEmpty())
            return std::nullopt;
        return pdf.toStdString();
    };
    if (const SectorFolderResult written = UpdateSectorFolder(folder, separator, change, makeBook);
        !written.Ok())
        return ReportFailure(written.path, written.Text());
    return ExitOk;
}

} // namespace

int NoteCommand(const CliRequest& request)
{
    const auto& note = std::get<NoteRequest>(request);
    const std::string& folder = note.folder;
    const HexNumber hex = note.hex;
    if (note.get) {
        Sector sector;
        if (const FileResult read = ReadSectorFolder(folder, UserDecimalSeparator(), sector); !read.Ok())
            return ReportFailure(folder, read.Text());
        if (const std::string fault = HexFault(sector, hex); !fault.empty())
            return ReportFailure(folder, fault);
        Output output("");
        output.Buffer() = sector.NotesOf(hex);
        return output.Close() ? ExitOk : ReportFailure(output.Name(), output.Error());
    }
    std::string text;
    if (note.text)
        text = *note.text;
    else if (!ReadInputArgument("-", text))
        return ExitFailure;
    if (const Message fault = HexNotesFault(text); !fault.Empty())
        return ReportFailure(folder, "the notes " + English(fault));
    return Update(folder, [&](Sector& sector) {
        std::string fault = HexFault(sector, hex);
        if (fault.empty())
            sector.SetNotes(hex, text);
        return fault;
    });
}

int RenameCommand(const CliRequest& request)
{
    const auto& rename = std::get<RenameRequest>(request);
    const std::string& folder = rename.folder;
    const std::string& name = rename.name;
    if (const Message fault = SectorNameFault(name); !fault.Empty())
        return ReportFailure(folder, "the name " + English(fault));
    return Update(folder, [&](Sector& sector) {
        sector.name = name;
        return std::string();
    });
}

} // namespace kelvane
