#pragma once

#include "gui/files/FileCommands.h"
#include "gui/sector/SectorCommands.h"

class QWidget;

namespace kelvane {

// Every question the menus' commands ask, in one place; a test answers them
// all with one object of its own.
class Dialogs : public FileDialogs, public EditDialogs, public SectorDialogs {};

// The questions asked through QFileDialog, QMessageBox and the program's own
// dialogs, over parent.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent) : m_parent(parent) {}

    std::optional<QString> ChooseOpen(const QString& filter, const QString& proposed) override;
    std::optional<QString> ChooseSave(const QString& filter, const QString& proposed) override;
    QMessageBox::StandardButton AskOverwrite(const QString& text) override;
    void ShowLoadError(const QString& text) override;
    void ShowImportError(const QString& text) override;
    std::optional<ExportChoice> ChooseExport(const QStringList& filters, const QString& selectedFilter,
                                             const QString& proposed) override;
    void ShowExportError(const QString& text) override;
    std::optional<SystemCode> AskSystemCode() override;
    std::optional<SectorRequest> AskNewSector(const SectorRequest& proposed) override;
    std::optional<QString> ChooseSectorFolder(const QString& proposed) override;
    std::optional<SectorSaveChoice> ChooseSectorSaveFolder(const QString& proposed) override;
    std::unique_ptr<WorkProgress> ShowSaveProgress(const QString& folder) override;
    void ShowSectorError(const QString& text) override;
    std::optional<QString> AskSectorName(const QString& current) override;
    std::optional<QString> ChooseVaultFolder(const QString& proposed) override;
    CloseChoice AskSaveSector(const QString& name) override;

private:
    QWidget* m_parent;
    // Save Sector As's book box, as the user last left it; off at first,
    // as kelvane-cli leaves the book out unless asked.
    bool m_sectorBook = false;
};

} // namespace kelvane
