#include "gui/sector/SectorCommands.h"

#include <filesystem>

#include "core/model/RandomSource.h"
#include "core/sector/SectorFile.h"
#include "core/sector/SectorFolder.h"
#include "core/sector/SectorGeneration.h"
#include "gui/display/MousePointer.h"
#include "gui/document/SystemDocument.h"
#include "gui/files/FileCommands.h"
#include "platform/UserDecimalSeparator.h"
#include "render/QtText.h"
#include "render/SectorBook.h"

namespace kelvane {

void NewSectorCommand(SystemDocument& document, SectorDialogs& dialogs, MousePointer& mouse,
                      SectorRequest& last)
{
    SectorRequest proposed = last;
    proposed.options.lifeSupport = document.State().settings.LifeSupport;
    proposed.options.biozone = document.State().settings.Biozone;
    const std::optional<SectorRequest> request = dialogs.AskNewSector(proposed);
    if (!request)
        return;
    SectorOptions options = request->options;
    if (request->randomSeed)
        options.seed = RandomSource::EntropySeed(64);
    if (const std::string wrong = CheckSectorOptions(options); !wrong.empty()) {
        dialogs.ShowSectorError(QStringLiteral("No sector was made: its %1.").arg(ToQt(wrong)));
        return;
    }
    last = *request;
    Sector sector;
    {
        const BusyCursor busy(mouse);
        sector = GenerateSector(options);
    }
    document.OpenSector(std::move(sector), {});
}

QString OpenSectorError(const std::string& folder, const FileResult& result)
{
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::path(folder) / SectorFileName, error))
        return QStringLiteral("%1\nThis folder holds no sector: it has no %2.")
            .arg(ToQt(folder), SectorFileName);
    return QStringLiteral("%1\nThis sector cannot be opened.\n%2").arg(ToQt(folder), ToQt(result.message));
}

FileResult OpenSectorFolder(SystemDocument& document, SectorDialogs& dialogs, MousePointer& mouse,
                            const std::string& folder)
{
    Sector sector;
    FileResult result;
    {
        const BusyCursor busy(mouse);
        result = ReadSectorFolder(folder, UserDecimalSeparator(), sector);
    }
    if (!result.Ok()) {
        dialogs.ShowSectorError(OpenSectorError(folder, result));
        return result;
    }
    document.OpenSector(std::move(sector), folder);
    return result;
}

void OpenSectorCommand(SystemDocument& document, SectorDialogs& dialogs, MousePointer& mouse)
{
    const std::optional<QString> chosen = dialogs.ChooseSectorFolder(false, ToQt(document.SectorFolder()));
    if (chosen)
        OpenSectorFolder(document, dialogs, mouse, FromQt(*chosen));
}

void SaveSectorAsCommand(SystemDocument& document, SectorDialogs& dialogs, FileDialogs& files,
                         MousePointer& mouse)
{
    const Sector* sector = document.CurrentSector();
    if (sector == nullptr)
        return;
    const std::optional<QString> chosen = dialogs.ChooseSectorFolder(true, ToQt(document.SectorFolder()));
    if (!chosen)
        return;
    const std::string folder = FromQt(*chosen);
    const QString notSaved = QStringLiteral("The sector was not saved.\n%1: %2");
    const SectorFolderContents contents = InspectSectorFolder(folder);
    if (!contents.refusal.empty()) {
        dialogs.ShowSectorError(notSaved.arg(*chosen, ToQt(contents.refusal)));
        return;
    }
    if (contents.holdsSector &&
        files.AskOverwrite(*chosen + QStringLiteral("\nThis folder holds a sector already. Replace it?")) !=
            QMessageBox::Yes)
        return;
    SectorFolderResult written;
    {
        const BusyCursor busy(mouse);
        written = WriteSectorFolderWithBook(*sector, folder, UserDecimalSeparator());
    }
    if (!written.Ok()) {
        dialogs.ShowSectorError(notSaved.arg(ToQt(written.path), ToQt(written.reason)));
        return;
    }
    document.RecordSavedSector(folder);
}

} // namespace kelvane
