#include "gui/shell/QtDialogs.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QProgressDialog>

#include "core/files/SystemFile.h"
#include "gui/sector/frmNewSector.h"
#include "gui/shell/frmNewFromCode.h"
#include "render/CoreText.h"
#include "render/QtText.h"

namespace kelvane {

namespace {

// What the user chose in dialog once it has shown; nothing when cancelled.
std::optional<QString> Chosen(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

// A Save dialog, with filter chosen when there is one. The command asks
// before overwriting, after it has added the extension.
void SetUpSave(QFileDialog& dialog, const QString& proposed, const QString& filter = {})
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (!filter.isEmpty())
        dialog.selectNameFilter(filter);
    dialog.selectFile(proposed);
}

} // namespace

std::optional<QString> QtDialogs::ChooseOpen(const QString& filter, const QString& proposed)
{
    QFileDialog dialog(m_parent, QString(), QString(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(proposed);
    return Chosen(dialog);
}

std::optional<QString> QtDialogs::ChooseSave(const QString& filter, const QString& proposed)
{
    QFileDialog dialog(m_parent, QString(), QString(), filter);
    SetUpSave(dialog, proposed);
    return Chosen(dialog);
}

QMessageBox::StandardButton QtDialogs::AskOverwrite(const QString& text)
{
    return QMessageBox::warning(m_parent, QStringLiteral("Kelvane"), text,
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

void QtDialogs::ShowLoadError(const QString& text)
{
    QMessageBox::critical(m_parent, CoreText(LoadErrorTitle), text);
}

std::optional<EditDialogs::ExportChoice>
QtDialogs::ChooseExport(const QStringList& filters, const QString& selectedFilter, const QString& proposed)
{
    QFileDialog dialog(m_parent, QCoreApplication::translate("QtDialogs", "Export"), QString(),
                       filters.join(QStringLiteral(";;")));
    dialog.setObjectName(QStringLiteral("dlgExport"));
    SetUpSave(dialog, proposed, selectedFilter);
    const std::optional<QString> path = Chosen(dialog);
    if (!path)
        return std::nullopt;
    return ExportChoice{*path, dialog.selectedNameFilter()};
}

void QtDialogs::ShowImportError(const QString& text)
{
    QMessageBox::warning(m_parent, QStringLiteral("Kelvane"), text);
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

namespace {

// A folder dialog for a sector's folder.
// The folder dialog of a write: it also takes the name of a folder that does
// not exist yet, typed into a folder that does, which the write then makes.
class WriteFolderDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (chosen.size() == 1) {
            const QFileInfo info(chosen.front());
            if (!info.exists() && !info.isSymLink() && info.dir().exists()) {
                done(QDialog::Accepted);
                return;
            }
        }
        QFileDialog::accept();
    }
};

void SetUpSectorFolderDialog(QFileDialog& dialog, const QString& proposed)
{
    dialog.setObjectName(QStringLiteral("dlgSectorFolder"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (!proposed.isEmpty())
        dialog.setDirectory(proposed);
}

// The progress of a sector's write in a modal QProgressDialog with Cancel.
class SaveProgressDialog final : public WorkProgress {
public:
    SaveProgressDialog(QWidget* parent, const QString& folder)
        : m_dialog(QCoreApplication::translate("QtDialogs", "Saving the sector in %1...").arg(folder),
                   QCoreApplication::translate("QtDialogs", "Cancel"), 0, 1, parent)
    {
        m_dialog.setObjectName(QStringLiteral("dlgSectorProgress"));
        m_dialog.setWindowTitle(QCoreApplication::translate("QtDialogs", "Save Sector As"));
        m_dialog.setWindowModality(Qt::ApplicationModal);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_dialog.setMinimumDuration(0);
        m_dialog.setValue(0);
    }
    void SetProgress(int done, int total) override
    {
        m_dialog.setMaximum(total);
        m_dialog.setValue(done);
    }
    bool Cancelled() override { return m_dialog.wasCanceled(); }

private:
    QProgressDialog m_dialog;
};

} // namespace

std::optional<QString> QtDialogs::ChooseSectorFolder(const QString& proposed)
{
    QFileDialog dialog(m_parent, QCoreApplication::translate("QtDialogs", "Open Sector"));
    SetUpSectorFolderDialog(dialog, proposed);
    return Chosen(dialog);
}

std::optional<QString> QtDialogs::ChooseVaultFolder(const QString& proposed)
{
    WriteFolderDialog dialog(m_parent, QCoreApplication::translate("QtDialogs", "Export Notes Vault"));
    SetUpSectorFolderDialog(dialog, proposed);
    return Chosen(dialog);
}

std::optional<SectorSaveChoice> QtDialogs::ChooseSectorSaveFolder(const QString& proposed)
{
    WriteFolderDialog dialog(m_parent, QCoreApplication::translate("QtDialogs", "Save Sector As"));
    SetUpSectorFolderDialog(dialog, proposed);
    // Qt's own folder dialog lays itself out in a grid; the box goes under it.
    auto* book =
        new QCheckBox(QCoreApplication::translate("QtDialogs", "Write the book (sector.pdf)"), &dialog);
    book->setObjectName(QStringLiteral("chkSectorBook"));
    book->setChecked(m_sectorBook);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(book, grid->rowCount(), 0, 1, grid->columnCount());
    const std::optional<QString> folder = Chosen(dialog);
    if (!folder)
        return std::nullopt;
    m_sectorBook = book->isChecked();
    return SectorSaveChoice{*folder, m_sectorBook};
}

std::unique_ptr<WorkProgress> QtDialogs::ShowSaveProgress(const QString& folder)
{
    return std::make_unique<SaveProgressDialog>(m_parent, folder);
}

void QtDialogs::ShowSectorError(const QString& text)
{
    QMessageBox::warning(m_parent, QStringLiteral("Kelvane"), text);
}

std::optional<QString> QtDialogs::AskSectorName(const QString& current)
{
    bool ok = false;
    const QString name = QInputDialog::getText(
        m_parent, QCoreApplication::translate("QtDialogs", "Rename Sector"),
        QCoreApplication::translate("QtDialogs", "Sector name:"), QLineEdit::Normal, current, &ok);
    return ok ? std::optional(name) : std::nullopt;
}

SectorDialogs::CloseChoice QtDialogs::AskSaveSector(const QString& name)
{
    const QMessageBox::StandardButton answer = QMessageBox::warning(
        m_parent, QStringLiteral("Kelvane"),
        QCoreApplication::translate("QtDialogs", "%1 has changes that are not saved. Save them?").arg(name),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    return answer == QMessageBox::Save      ? CloseChoice::Save
           : answer == QMessageBox::Discard ? CloseChoice::Discard
                                            : CloseChoice::Cancel;
}

} // namespace kelvane
