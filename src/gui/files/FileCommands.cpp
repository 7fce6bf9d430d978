#include "gui/files/FileCommands.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>

#include "core/files/SystemFile.h"
#include "gui/shell/Controller.h"
#include "gui/shell/frmNewFromCode.h"
#include "platform/FileSystem.h"
#include "platform/UserDecimalSeparator.h"
#include "render/QtText.h"

namespace kelvane {

QString SystemFileFilter()
{
    return QStringLiteral("Kelvane files,*.KVN (*.KVN)");
}

std::optional<QString> QtFileDialogs::ChooseOpen(const QString& filter, const QString& proposed)
{
    QFileDialog dialog(m_parent, QString(), QString(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

std::optional<QString> QtFileDialogs::ChooseSave(const QString& filter, const QString& proposed)
{
    QFileDialog dialog(m_parent, QString(), QString(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The command asks before overwriting, after it has added the extension.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

QMessageBox::StandardButton QtFileDialogs::AskOverwrite(const QString& text)
{
    return QMessageBox::warning(m_parent, QStringLiteral("Kelvane"), text,
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

void QtFileDialogs::ShowLoadError(const QString& text)
{
    QMessageBox::critical(m_parent, QString::fromUtf8(LoadErrorTitle.data(), LoadErrorTitle.size()), text);
}

std::optional<FileDialogs::ExportChoice> FileDialogs::ChooseExport(const QStringList& /*filters*/,
                                                                   const QString& /*selectedFilter*/,
                                                                   const QString& /*proposed*/)
{
    return std::nullopt;
}

void FileDialogs::ShowExportError(const QString& /*text*/) {}

std::optional<SystemCode> FileDialogs::AskSystemCode()
{
    return std::nullopt;
}

std::optional<FileDialogs::ExportChoice> QtFileDialogs::ChooseExport(const QStringList& filters,
                                                                     const QString& selectedFilter,
                                                                     const QString& proposed)
{
    QFileDialog dialog(m_parent, QStringLiteral("Export"), QString(), filters.join(QStringLiteral(";;")));
    dialog.setObjectName(QStringLiteral("dlgExport"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The command asks before overwriting, after it has added the extension.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectNameFilter(selectedFilter);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ExportChoice{dialog.selectedFiles().front(), dialog.selectedNameFilter()};
}

void QtFileDialogs::ShowExportError(const QString& text)
{
    QMessageBox::warning(m_parent, QStringLiteral("Kelvane"), text);
}

std::optional<SystemCode> QtFileDialogs::AskSystemCode()
{
    frmNewFromCode dialog(m_parent);
    // A code copied from elsewhere is offered; anything else is not.
    const QString copied = QGuiApplication::clipboard()->text().trimmed();
    if (DecodeSystemCode(FromQt(copied)))
        dialog.Propose(copied);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Code();
}

std::optional<SectorRequest> FileDialogs::AskNewSector(const SectorRequest& /*proposed*/)
{
    return std::nullopt;
}

std::optional<QString> FileDialogs::ChooseSectorFolder(bool /*save*/, const QString& /*proposed*/)
{
    return std::nullopt;
}

void FileDialogs::ShowSectorError(const QString& /*text*/) {}

std::optional<SectorRequest> QtFileDialogs::AskNewSector(const SectorRequest& proposed)
{
    frmNewSector dialog(proposed, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Request();
}

std::optional<QString> QtFileDialogs::ChooseSectorFolder(bool save, const QString& proposed)
{
    QFileDialog dialog(m_parent, save ? QStringLiteral("Save Sector As") : QStringLiteral("Open Sector"));
    dialog.setObjectName(QStringLiteral("dlgSectorFolder"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (!proposed.isEmpty())
        dialog.setDirectory(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

void QtFileDialogs::ShowSectorError(const QString& text)
{
    QMessageBox::warning(m_parent, QStringLiteral("Kelvane"), text);
}

QString OverwriteQuestion(const std::string& path)
{
    return ToQt(path) + QLatin1Char('\n') + QStringLiteral("This file already exists. Overwrite it?");
}

bool FileExists(const std::string& path)
{
    return IsRegularFile(path);
}

std::string WithSystemFileExtension(const std::string& path)
{
    return path.find('.') == std::string::npos ? path + ".KVN" : path;
}

void OpenSystemCommand(Controller& controller)
{
    const std::optional<QString> chosen =
        controller.Dialogs().ChooseOpen(SystemFileFilter(), ToQt(controller.State().CurrentFileName));
    if (chosen)
        LoadSystemCommand(controller, FromQt(*chosen));
}

FileResult LoadSystemCommand(Controller& controller, const std::string& path)
{
    FileResult result = controller.ChangeByLoading(path);
    if (result.outcome == FileOutcome::NotKelvaneFile) {
        // The 2.0 reader's own box and refresh; the command refreshes again.
        controller.Dialogs().ShowLoadError(QString::fromStdString(result.message));
        controller.RefreshAll();
    } else if (!result.Ok()) {
        return result;
    }
    controller.RefreshAll();
    return result;
}

void SaveSystemAsCommand(Controller& controller)
{
    const AppState& app = controller.State();
    const std::string& proposed = app.CurrentFileName.empty() ? app.system.SystemName : app.CurrentFileName;
    const std::optional<QString> chosen = controller.Dialogs().ChooseSave(SystemFileFilter(), ToQt(proposed));
    if (!chosen)
        return;
    const std::string path = WithSystemFileExtension(FromQt(*chosen));
    if (FileExists(path) &&
        controller.Dialogs().AskOverwrite(ToQt(path) + QLatin1Char('\n') +
                                          QStringLiteral("This file already exists. "
                                                         "Overwrite it?")) != QMessageBox::Yes)
        return;
    if (!SaveSystemFile(app.system, path, UserDecimalSeparator()).Ok())
        return;
    controller.RecordSavedFile(path);
}

} // namespace kelvane
