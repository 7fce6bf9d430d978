#include "gui/shell/QtDialogs.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>

#include "core/files/SystemFile.h"
#include "gui/sector/frmNewSector.h"
#include "gui/shell/frmNewFromCode.h"
#include "render/QtText.h"

namespace kelvane {

std::optional<QString> QtDialogs::ChooseOpen(const QString& filter, const QString& proposed)
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

std::optional<QString> QtDialogs::ChooseSave(const QString& filter, const QString& proposed)
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

QMessageBox::StandardButton QtDialogs::AskOverwrite(const QString& text)
{
    return QMessageBox::warning(m_parent, QStringLiteral("Kelvane"), text,
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

void QtDialogs::ShowLoadError(const QString& text)
{
    QMessageBox::critical(m_parent, QString::fromUtf8(LoadErrorTitle.data(), LoadErrorTitle.size()), text);
}

std::optional<EditDialogs::ExportChoice>
QtDialogs::ChooseExport(const QStringList& filters, const QString& selectedFilter, const QString& proposed)
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

void QtDialogs::ShowExportError(const QString& text)
{
    QMessageBox::warning(m_parent, QStringLiteral("Kelvane"), text);
}

std::optional<SystemCode> QtDialogs::AskSystemCode()
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

std::optional<SectorRequest> QtDialogs::AskNewSector(const SectorRequest& proposed)
{
    frmNewSector dialog(proposed, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Request();
}

std::optional<QString> QtDialogs::ChooseSectorFolder(bool save, const QString& proposed)
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

void QtDialogs::ShowSectorError(const QString& text)
{
    QMessageBox::warning(m_parent, QStringLiteral("Kelvane"), text);
}

} // namespace kelvane
