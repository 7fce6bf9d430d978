#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "core/files/FileResult.h"
#include "core/model/SystemCode.h"
#include "gui/sector/frmNewSector.h"

class QWidget;

namespace kelvane {

class Controller;

// The dialogs the file commands ask through. The program uses Qt's; a test
// answers them itself.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> ChooseOpen(const QString& filter, const QString& proposed) = 0;
    virtual std::optional<QString> ChooseSave(const QString& filter, const QString& proposed) = 0;
    // The overwrite question: Yes, No or Cancel.
    virtual QMessageBox::StandardButton AskOverwrite(const QString& text) = 0;
    // The "Load Error" box with its text.
    virtual void ShowLoadError(const QString& text) = 0;

    // The Edit menu's dialogs. Dialogs that do not answer them cancel them
    // and show nothing.

    // The file and the filter chosen in the Export dialog, which offers
    // filters with selectedFilter chosen and proposes a name; nothing when
    // the user cancelled.
    struct ExportChoice {
        QString path;
        QString filter;
    };
    virtual std::optional<ExportChoice> ChooseExport(const QStringList& filters,
                                                     const QString& selectedFilter, const QString& proposed);
    // Why an export wrote nothing.
    virtual void ShowExportError(const QString& text);
    // New from Code's dialog: the code typed or pasted, once it reads as
    // one; nothing when the user cancelled.
    virtual std::optional<SystemCode> AskSystemCode();

    // The Sector menu's dialogs. Dialogs that do not answer them cancel them
    // and show nothing.

    // New Sector's dialog, starting from proposed: what to make, or nothing
    // when the user cancelled.
    virtual std::optional<SectorRequest> AskNewSector(const SectorRequest& proposed);
    // A sector's folder to open, or to save into, starting at proposed;
    // nothing when the user cancelled.
    virtual std::optional<QString> ChooseSectorFolder(bool save, const QString& proposed);
    // Why a sector did not open or was not saved.
    virtual void ShowSectorError(const QString& text);
};

// FileDialogs through QFileDialog and QMessageBox, over parent.
class QtFileDialogs final : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent) : m_parent(parent) {}
    std::optional<QString> ChooseOpen(const QString& filter, const QString& proposed) override;
    std::optional<QString> ChooseSave(const QString& filter, const QString& proposed) override;
    QMessageBox::StandardButton AskOverwrite(const QString& text) override;
    void ShowLoadError(const QString& text) override;
    std::optional<ExportChoice> ChooseExport(const QStringList& filters, const QString& selectedFilter,
                                             const QString& proposed) override;
    void ShowExportError(const QString& text) override;
    std::optional<SystemCode> AskSystemCode() override;
    std::optional<SectorRequest> AskNewSector(const SectorRequest& proposed) override;
    std::optional<QString> ChooseSectorFolder(bool save, const QString& proposed) override;
    void ShowSectorError(const QString& text) override;

private:
    QWidget* m_parent;
};

// The one filter of both file dialogs.
QString SystemFileFilter();

// The overwrite question's text for path.
QString OverwriteQuestion(const std::string& path);

// True when a regular file exists at path; false otherwise and when the test
// itself fails.
bool FileExists(const std::string& path);

// The path with ".KVN" appended when it holds no "." anywhere, folders
// included; otherwise unchanged.
std::string WithSystemFileExtension(const std::string& path);

// Load: asks for a file and loads it; every view is refreshed after a load.
// Cancelling, and a file that cannot be read or holds a fault, end the
// command without a word and without a refresh.
void OpenSystemCommand(Controller& controller);

// Load's work once a file is chosen: loads path and refreshes every view, or
// shows the "Load Error" box for a file of neither kind. Returns the result
// of the load, so that a caller with somewhere to say it can tell why a
// file did not load; Load itself says nothing.
FileResult LoadSystemCommand(Controller& controller, const std::string& path);

// Save As: proposes the current file name (or the system's name), adds the
// extension, asks before overwriting, and writes the file. Only a completed
// save changes the current file name; every failure is silent.
void SaveSystemAsCommand(Controller& controller);

} // namespace kelvane
