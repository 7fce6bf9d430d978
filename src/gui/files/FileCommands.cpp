#include "gui/files/FileCommands.h"

#include "core/export/SystemJsonReader.h"
#include "core/files/FileBytes.h"
#include "core/files/SystemFile.h"
#include "gui/document/SystemDocument.h"
#include "platform/FileSystem.h"
#include "platform/UserDecimalSeparator.h"
#include "render/CoreText.h"
#include "render/QtText.h"

#include <QCoreApplication>
#include <filesystem>

namespace kelvane {

QString SystemFileFilter()
{
    return QCoreApplication::translate("FileCommands", "Kelvane files,*.KVN (*.KVN)");
}

bool MayWriteFile(FileDialogs& dialogs, const std::string& path)
{
    return !FileExists(path) ||
           dialogs.AskOverwrite(
               QCoreApplication::translate("FileCommands", "%1\nThis file already exists. Overwrite it?")
                   .arg(ToQt(path))) == QMessageBox::Yes;
}

bool FileExists(const std::string& path)
{
    return IsRegularFile(path);
}

std::string WithSystemFileExtension(const std::string& path)
{
    return path.find('.') == std::string::npos ? path + ".KVN" : path;
}

std::optional<std::string> ChooseSystemFile(FileDialogs& dialogs, const SystemDocument& document)
{
    const std::optional<QString> chosen =
        dialogs.ChooseOpen(SystemFileFilter(), ToQt(document.State().CurrentFileName));
    return chosen ? std::optional(FromQt(*chosen)) : std::nullopt;
}

FileResult LoadSystemCommand(SystemDocument& document, FileDialogs& dialogs, const std::string& path)
{
    FileResult result = document.Load(path);
    if (result.outcome == FileOutcome::NotKelvaneFile)
        dialogs.ShowLoadError(CoreText(result.message));
    return result;
}

bool LoadNeedsRefresh(const FileResult& result)
{
    return result.Ok() || result.outcome == FileOutcome::NotKelvaneFile;
}

void ImportSystemCommand(SystemDocument& document, FileDialogs& dialogs)
{
    const std::optional<QString> chosen =
        dialogs.ChooseOpen(QCoreApplication::translate("FileCommands", "System JSON (*.json)"), QString());
    if (!chosen)
        return;
    const std::string path = FromQt(*chosen);
    std::string bytes;
    Message error;
    StarSystem system = document.State().system;
    if (const FileResult read = ReadFileBytes(path, bytes); !read.Ok())
        error = read.message;
    else if (!ReadSystemJson(bytes, system, error) && error.Empty())
        error = Message(KELVANE_TEXT("CoreText", "not a system"));
    if (!error.Empty()) {
        dialogs.ShowImportError(*chosen + QStringLiteral("\n") + CoreText(error));
        return;
    }
    document.Import(system, std::filesystem::path(path).filename().string());
}

void SaveSystemAsCommand(SystemDocument& document, FileDialogs& dialogs)
{
    const AppState& app = document.State();
    const std::string& proposed = app.CurrentFileName.empty() ? app.system.SystemName : app.CurrentFileName;
    const std::optional<QString> chosen = dialogs.ChooseSave(SystemFileFilter(), ToQt(proposed));
    if (!chosen)
        return;
    const std::string path = WithSystemFileExtension(FromQt(*chosen));
    if (MayWriteFile(dialogs, path) && SaveSystemFile(app.system, path, UserDecimalSeparator()).Ok())
        document.RecordSavedFile(path);
}

} // namespace kelvane
