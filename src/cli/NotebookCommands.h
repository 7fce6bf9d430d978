#pragma once

#include "cli/Commands.h"

namespace kelvane {

// note DIR HEX [TEXT|-]
// note DIR HEX --get
//
// Gives a hex of the sector in DIR its notes: TEXT, or standard input when
// TEXT is "-" or left out; an empty TEXT takes them away. The notes are
// taken as they are, byte for byte (UTF-8, at most 64 KiB). sector.json,
// sector.svg and, when the folder has one, sector.pdf are written again as
// one step (UpdateSectorFolder); every CCRR.KVN stays as it is. --get prints
// the hex's notes as they are, with nothing added. Exit 1 with "kelvane-cli:
// DIR: reason", nothing changed, for a folder that holds no sector, a hex
// outside its grid or notes that cannot be kept.
int NoteCommand(const CliRequest& request);

// rename DIR NAME
//
// Names the sector in DIR, as note writes its notes. A name is 1 to 200
// bytes without control characters.
int RenameCommand(const CliRequest& request);

} // namespace kelvane
