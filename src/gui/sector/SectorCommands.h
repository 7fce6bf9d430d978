#pragma once

#include <QString>
#include <string>

#include "core/files/FileResult.h"

namespace kelvane {

class Controller;

// The Sector menu's commands. None of them changes the current system: a
// sector's system becomes the current one when its hex is clicked.

// New Sector: asks for the size, density and seed (Life Support and Bio Zone
// are the options'), makes the sector and shows it in the Sector window in
// place of any other. Options that make no sector (a Life Support of 7 from
// a hand-edited settings file) are refused with the reason.
void NewSectorCommand(Controller& controller);

// Open Sector: asks for a folder and opens the sector in it, each system as
// its CCRR.KVN holds it. A folder without a sector, or with a damaged one,
// is refused with a message that says what is wrong, and nothing changes.
void OpenSectorCommand(Controller& controller);

// Opens the sector in folder as Open Sector does once the folder is chosen;
// returns what reading it gave.
FileResult OpenSectorFolder(Controller& controller, const std::string& folder);

// Save Sector As: asks for a folder and writes the open sector there as
// kelvane-cli sector writes one, edited systems as they now are. A folder
// that holds other files is refused; one that holds a sector already is
// replaced only after asking. A failure says which file and why.
void SaveSectorAsCommand(Controller& controller);

// The message for a folder that holds no sector that can be opened.
QString OpenSectorError(const std::string& folder, const FileResult& result);

} // namespace kelvane
