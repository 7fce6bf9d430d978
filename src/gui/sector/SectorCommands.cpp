#include "gui/sector/SectorCommands.h"

#include <filesystem>
#include <random>

#include "core/sector/SectorFile.h"
#include "core/sector/SectorFolder.h"
#include "core/sector/SectorGeneration.h"
#include "gui/files/FileCommands.h"
#include "gui/shell/Controller.h"
#include "platform/UserDecimalSeparator.h"
#include "render/QtText.h"
#include "render/SectorBook.h"

namespace kelvane {

namespace {

std::uint64_t RandomSeed()
{
    std::random_device device;
    return static_cast<std::uint64_t>(device()) << 32 ^ device();
}

// Shows the hourglass for as long as it lives.
class Hourglass {
public:
    explicit Hourglass(MousePointer& mouse) : m_mouse(mouse)
    {
        m_mouse.PushMousePointer(MousePointer::Hourglass);
    }
    ~Hourglass() { m_mouse.PopMousePointer(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

private:
    MousePointer& m_mouse;
};

} // namespace

void NewSectorCommand(Controller& controller)
{
    SectorRequest proposed = controller.LastSectorRequest();
    proposed.options.lifeSupport = controller.Settings().LifeSupport;
    proposed.options.biozone = controller.Settings().Biozone;
    const std::optional<SectorRequest> request = controller.Dialogs().AskNewSector(proposed);
    if (!request)
        return;
    SectorOptions options = request->options;
    if (request->randomSeed)
        options.seed = RandomSeed();
    if (const std::string wrong = CheckSectorOptions(options); !wrong.empty()) {
        controller.Dialogs().ShowSectorError(QStringLiteral("No sector was made: its %1.").arg(ToQt(wrong)));
        return;
    }
    controller.SetLastSectorRequest(*request);
    Sector sector;
    {
        const Hourglass busy(controller.Mouse());
        sector = GenerateSector(options);
    }
    controller.ShowSector(std::move(sector), {});
}

QString OpenSectorError(const std::string& folder, const FileResult& result)
{
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::path(folder) / SectorFileName, error))
        return QStringLiteral("%1\nThis folder holds no sector: it has no %2.")
            .arg(ToQt(folder), SectorFileName);
    return QStringLiteral("%1\nThis sector cannot be opened.\n%2").arg(ToQt(folder), ToQt(result.message));
}

FileResult OpenSectorFolder(Controller& controller, const std::string& folder)
{
    Sector sector;
    FileResult result;
    {
        const Hourglass busy(controller.Mouse());
        result = ReadSectorFolder(folder, UserDecimalSeparator(), sector);
    }
    if (!result.Ok()) {
        controller.Dialogs().ShowSectorError(OpenSectorError(folder, result));
        return result;
    }
    controller.ShowSector(std::move(sector), folder);
    return result;
}

void OpenSectorCommand(Controller& controller)
{
    const std::optional<QString> chosen =
        controller.Dialogs().ChooseSectorFolder(false, ToQt(controller.SectorFolder()));
    if (chosen)
        OpenSectorFolder(controller, FromQt(*chosen));
}

void SaveSectorAsCommand(Controller& controller)
{
    const Sector* sector = controller.CurrentSector();
    if (sector == nullptr)
        return;
    const std::optional<QString> chosen =
        controller.Dialogs().ChooseSectorFolder(true, ToQt(controller.SectorFolder()));
    if (!chosen)
        return;
    const std::string folder = FromQt(*chosen);
    const QString notSaved = QStringLiteral("The sector was not saved.\n%1: %2");
    const SectorFolderContents contents = InspectSectorFolder(folder);
    if (!contents.refusal.empty()) {
        controller.Dialogs().ShowSectorError(notSaved.arg(*chosen, ToQt(contents.refusal)));
        return;
    }
    if (!contents.sectorFiles.empty() &&
        controller.Dialogs().AskOverwrite(*chosen + QStringLiteral("\nThis folder holds a sector already. "
                                                                   "Replace it?")) != QMessageBox::Yes)
        return;
    SectorFolderResult written;
    {
        const Hourglass busy(controller.Mouse());
        written = WriteSectorFolderWithBook(*sector, folder, UserDecimalSeparator());
    }
    if (!written.Ok()) {
        controller.Dialogs().ShowSectorError(notSaved.arg(ToQt(written.path), ToQt(written.reason)));
        return;
    }
    controller.RecordSavedSector(folder);
}

} // namespace kelvane
