#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "core/files/FileResult.h"
#include "gui/sector/frmNewSector.h"

namespace kelvane {

class FileDialogs;
class MousePointer;
class SystemDocument;

// Where Save Sector As writes, and whether the book (sector.pdf) goes with it.
struct SectorSaveChoice {
    QString folder;
    bool book = true;
};

// What the user sees of work that runs off the window's thread: how far it
// is, and a way to stop it. Used on the window's thread only.
class WorkProgress {
public:
    virtual ~WorkProgress() = default;
    virtual void SetProgress(int done, int total) = 0;
    // Whether the user asked to stop.
    virtual bool Cancelled() = 0;
};

// The Sector menu's questions. The program asks through Qt's dialogs and
// its own; a test answers them itself.
class SectorDialogs {
public:
    virtual ~SectorDialogs() = default;
    // New Sector's dialog, starting from proposed: what to make, or nothing
    // when the user cancelled.
    virtual std::optional<SectorRequest> AskNewSector(const SectorRequest& proposed) = 0;
    // A sector's folder to open, starting at proposed; nothing when the user
    // cancelled.
    virtual std::optional<QString> ChooseSectorFolder(const QString& proposed) = 0;
    // A folder to save a sector into, starting at proposed, and whether its
    // book is written; nothing when the user cancelled.
    virtual std::optional<SectorSaveChoice> ChooseSectorSaveFolder(const QString& proposed) = 0;
    // Shows the progress of writing a sector's folder until it is destroyed.
    virtual std::unique_ptr<WorkProgress> ShowSaveProgress(const QString& folder) = 0;
    // Why a sector did not open or was not saved.
    virtual void ShowSectorError(const QString& text) = 0;
    // A new name for the sector, starting from current; nothing when the
    // user cancelled.
    virtual std::optional<QString> AskSectorName(const QString& current) = 0;
    // A folder to write the notes vault into, starting at proposed; nothing
    // when the user cancelled.
    virtual std::optional<QString> ChooseVaultFolder(const QString& proposed) = 0;
    // Closing the Sector window while the sector has changes not saved.
    enum class CloseChoice { Save, Discard, Cancel };
    virtual CloseChoice AskSaveSector(const QString& name) = 0;
};

// The Sector menu's commands. None of them changes the current system: a
// sector's system becomes the current one when its hex is clicked.

// New Sector: asks for the size, density and seed (Life Support and Bio Zone
// are the options'), makes the sector and shows it in the Sector window in
// place of any other. Options that make no sector (a Life Support of 7 from
// a hand-edited settings file) are refused with the reason.
// last is what the last New Sector made, which this one proposes.
void NewSectorCommand(SystemDocument& document, SectorDialogs& dialogs, MousePointer& mouse,
                      SectorRequest& last);

// Open Sector: asks for a folder and opens the sector in it, each system as
// its CCRR.KVN holds it. A folder without a sector, or with a damaged one,
// is refused with a message that says what is wrong, and nothing changes.
void OpenSectorCommand(SystemDocument& document, SectorDialogs& dialogs, MousePointer& mouse);

// Opens the sector in folder as Open Sector does once the folder is chosen;
// returns what reading it gave.
FileResult OpenSectorFolder(SystemDocument& document, SectorDialogs& dialogs, MousePointer& mouse,
                            const std::string& folder);

// Save Sector As: asks for a folder and writes the open sector there as
// kelvane-cli sector writes one, edited systems as they now are. A folder
// that holds other files is refused; one that holds a sector already is
// replaced only after asking. A failure says which file and why. The
// folder is written on a thread of its own while the window's events go on,
// with the progress shown; when the user cancels, the write stops before the
// new folder takes the old one's place, and nothing is said.
void SaveSectorAsCommand(SystemDocument& document, SectorDialogs& dialogs, FileDialogs& files,
                         MousePointer& mouse);

// Rename Sector: asks for the open sector's name and gives it, as one step.
// A name that cannot stand (empty, longer than 200 bytes, a control
// character) is refused with the reason.
void RenameSectorCommand(SystemDocument& document, SectorDialogs& dialogs);

// Export Notes Vault: asks for a folder and writes the open sector there as
// a folder of Markdown notes, as kelvane-cli vault does (WriteSectorVault),
// systems, names and notes as they now are. A folder that holds other files
// is refused with the reason.
void ExportVaultCommand(const SystemDocument& document, SectorDialogs& dialogs, MousePointer& mouse);

// The message for a folder that holds no sector that can be opened.
QString OpenSectorError(const std::string& folder, const FileResult& result);

} // namespace kelvane
