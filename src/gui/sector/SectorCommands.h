#pragma once

#include <QString>
#include <optional>
#include <string>

#include "core/files/FileResult.h"
#include "gui/sector/frmNewSector.h"

namespace kelvane {

class FileDialogs;
class MousePointer;
class SystemDocument;

// The Sector menu's questions. The program asks through Qt's dialogs and
// its own; a test answers them itself.
class SectorDialogs {
public:
    virtual ~SectorDialogs() = default;
    // New Sector's dialog, starting from proposed: what to make, or nothing
    // when the user cancelled.
    virtual std::optional<SectorRequest> AskNewSector(const SectorRequest& proposed) = 0;
    // A sector's folder to open, or to save into, starting at proposed;
    // nothing when the user cancelled.
    virtual std::optional<QString> ChooseSectorFolder(bool save, const QString& proposed) = 0;
    // Why a sector did not open or was not saved.
    virtual void ShowSectorError(const QString& text) = 0;
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
// replaced only after asking. A failure says which file and why.
void SaveSectorAsCommand(SystemDocument& document, SectorDialogs& dialogs, FileDialogs& files,
                         MousePointer& mouse);

// The message for a folder that holds no sector that can be opened.
QString OpenSectorError(const std::string& folder, const FileResult& result);

} // namespace kelvane
