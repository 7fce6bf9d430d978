#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "core/files/FileResult.h"
#include "core/model/SystemCode.h"

class QWidget;

namespace kelvane {

class SystemDocument;

// The questions the file commands ask. The program asks through Qt's
// dialogs; a test answers them itself.
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
    // Why a file could not be imported.
    virtual void ShowImportError(const QString& text) = 0;
};

// The Edit menu's dialogs.
class EditDialogs {
public:
    virtual ~EditDialogs() = default;
    // The file and the filter chosen in the Export dialog, which offers
    // filters with selectedFilter chosen and proposes a name; nothing when
    // the user cancelled.
    struct ExportChoice {
        QString path;
        QString filter;
    };
    virtual std::optional<ExportChoice>
    ChooseExport(const QStringList& filters, const QString& selectedFilter, const QString& proposed) = 0;
    // Why an export wrote nothing.
    virtual void ShowExportError(const QString& text) = 0;
    // New from Code's dialog: the code typed or pasted, once it reads as
    // one; nothing when the user cancelled.
    virtual std::optional<SystemCode> AskSystemCode() = 0;
};

// The one filter of both file dialogs.
QString SystemFileFilter();
// True when a regular file exists at path; false otherwise and when the test
// itself fails.
bool FileExists(const std::string& path);
// Whether path may be written: it holds no file yet, or the user answered
// Yes to the overwrite question.
bool MayWriteFile(FileDialogs& dialogs, const std::string& path);
// The path with ".KVN" appended when it holds no "." anywhere, folders
// included; otherwise unchanged.
std::string WithSystemFileExtension(const std::string& path);

// Load's question: the file to load, proposing the current one; nothing
// when the user cancelled.
std::optional<std::string> ChooseSystemFile(FileDialogs& dialogs, const SystemDocument& document);
// Load's work once a file is chosen: loads path into the document, or shows
// the "Load Error" box for a file of neither kind. A file that cannot be read
// or holds a fault ends the command without a word; the result says why, for
// a caller with somewhere to say it. The views are to be refreshed after a
// load and after the box (LoadNeedsRefresh).
FileResult LoadSystemCommand(SystemDocument& document, FileDialogs& dialogs, const std::string& path);
bool LoadNeedsRefresh(const FileResult& result);
// Edit > Import System: a system from a JSON file as kelvane-cli and Export
// write one, edits made in another program included, put in place as one
// step (its code kept only while it is the system the code makes). A file
// that cannot be read, or holds a field that is refused, is named with the
// reason and the field's path, and nothing changes.
void ImportSystemCommand(SystemDocument& document, FileDialogs& dialogs);

// Save As: proposes the current file name (or the system's name), adds the
// extension, asks before overwriting, and writes the file. Only a completed
// save changes the current file name; every failure is silent.
void SaveSystemAsCommand(SystemDocument& document, FileDialogs& dialogs);

} // namespace kelvane
