#include "gui/sector/SectorCommands.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <filesystem>
#include <functional>
#include <thread>

#include "core/model/RandomSource.h"
#include "core/sector/SectorFile.h"
#include "core/sector/SectorFolder.h"
#include "core/sector/SectorGeneration.h"
#include "core/sector/SectorVault.h"
#include "gui/display/MousePointer.h"
#include "gui/document/SystemDocument.h"
#include "gui/files/FileCommands.h"
#include "platform/UserDecimalSeparator.h"
#include "render/CoreText.h"
#include "render/QtText.h"
#include "render/SectorBook.h"

namespace kelvane {

namespace {

// How often the window shows a running write's progress, in milliseconds.
constexpr int ProgressInterval = 50;

// Runs write on a thread of its own and the window's events here until it
// ends, showing its steps of total on progress and passing on a cancel.
SectorFolderResult RunWithProgress(WorkProgress& progress, int total,
                                   const std::function<SectorFolderResult(const SectorWriteStep&)>& write)
{
    std::atomic<int> done{0};
    std::atomic<bool> cancelled{false};
    SectorFolderResult result;
    QEventLoop loop;
    QTimer poll;
    bool showing = false; // a modal progress may run events while it shows
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (showing)
            return;
        showing = true;
        progress.SetProgress(done, total);
        if (progress.Cancelled())
            cancelled = true;
        // cppcheck-suppress redundantAssignment ; read by the calls above
        showing = false;
    });
    std::thread worker([&] {
        result = write([&] {
            ++done;
            return !cancelled;
        });
        // Queued: it ends the loop even when posted before the loop runs.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    poll.start(ProgressInterval);
    loop.exec();
    worker.join();
    poll.stop();
    progress.SetProgress(done, total);
    return result;
}

} // namespace

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
        dialogs.ShowSectorError(
            QCoreApplication::translate("SectorCommands", "No sector was made: its %1.").arg(ToQt(wrong)));
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
        return QCoreApplication::translate("SectorCommands", "%1\nThis folder holds no sector: it has no %2.")
            .arg(ToQt(folder), SectorFileName);
    return QCoreApplication::translate("SectorCommands", "%1\nThis sector cannot be opened.\n%2")
        .arg(ToQt(folder), CoreText(result.message));
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
    const std::optional<QString> chosen = dialogs.ChooseSectorFolder(ToQt(document.SectorFolder()));
    if (chosen)
        OpenSectorFolder(document, dialogs, mouse, FromQt(*chosen));
}

void SaveSectorAsCommand(SystemDocument& document, SectorDialogs& dialogs, FileDialogs& files,
                         MousePointer& mouse)
{
    const Sector* sector = document.CurrentSector();
    if (sector == nullptr)
        return;
    const std::optional<SectorSaveChoice> choice =
        dialogs.ChooseSectorSaveFolder(ToQt(document.SectorFolder()));
    if (!choice)
        return;
    const QString& chosen = choice->folder;
    const std::string folder = FromQt(chosen);
    const QString notSaved =
        QCoreApplication::translate("SectorCommands", "The sector was not saved.\n%1: %2");
    const SectorFolderContents contents = InspectSectorFolder(folder);
    if (!contents.refusal.Empty()) {
        dialogs.ShowSectorError(notSaved.arg(chosen, CoreText(contents.refusal)));
        return;
    }
    if (contents.holdsSector &&
        files.AskOverwrite(QCoreApplication::translate("SectorCommands",
                                                       "%1\nThis folder holds a sector already. Replace it?")
                               .arg(chosen)) != QMessageBox::Yes)
        return;
    // The thread writes a copy: the window's events go on meanwhile.
    const Sector copy = *sector;
    const bool book = choice->book;
    const char separator = UserDecimalSeparator();
    SectorFolderResult written;
    {
        const BusyCursor busy(mouse);
        const std::unique_ptr<WorkProgress> progress = dialogs.ShowSaveProgress(chosen);
        written = RunWithProgress(*progress, SectorFolderSteps(copy, book), [&](const SectorWriteStep& step) {
            return WriteSectorFolderWithBook(copy, folder, separator, book, step);
        });
    }
    if (written.cancelled)
        return;
    if (!written.Ok()) {
        dialogs.ShowSectorError(notSaved.arg(ToQt(written.path), CoreText(written.reason)));
        return;
    }
    document.RecordSavedSector(folder);
}

void RenameSectorCommand(SystemDocument& document, SectorDialogs& dialogs)
{
    const Sector* sector = document.CurrentSector();
    if (sector == nullptr)
        return;
    const std::optional<QString> name = dialogs.AskSectorName(ToQt(SectorName(*sector)));
    if (!name)
        return;
    const std::string text = name->toStdString();
    if (const Message fault = SectorNameFault(text); !fault.Empty()) {
        dialogs.ShowSectorError(
            QCoreApplication::translate("SectorCommands", "The name %1.").arg(CoreText(fault)));
        return;
    }
    document.RenameSector(text);
}

void ExportVaultCommand(const SystemDocument& document, SectorDialogs& dialogs, MousePointer& mouse)
{
    const Sector* sector = document.CurrentSector();
    if (sector == nullptr)
        return;
    const std::string& home = document.SectorFolder();
    const QString proposed =
        home.empty() ? QString() : ToQt((std::filesystem::path(home).parent_path() / "notes").string());
    const std::optional<QString> folder = dialogs.ChooseVaultFolder(proposed);
    if (!folder)
        return;
    SectorFolderResult written;
    {
        const BusyCursor busy(mouse);
        written = WriteSectorVault(*sector, folder->toStdString(), UserDecimalSeparator());
    }
    if (!written.Ok())
        dialogs.ShowSectorError(ToQt(written.path) + QStringLiteral("\n") + CoreText(written.reason));
}

} // namespace kelvane
