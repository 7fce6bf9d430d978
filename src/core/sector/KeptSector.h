#pragma once

#include <optional>
#include <string>

#include "core/sector/Sector.h"
#include "core/text/Message.h"

namespace kelvane {

// The open sector as the program keeps it when it ends, to open it again at
// the next start, as editors with hot exit keep their documents. It lives in
// a folder of the user's data folder: a file "session.json" that says where
// the sector lives and whether it has changes that are not there, and, for a
// sector with such changes (or one that lives nowhere yet), a copy of it in
// "sector", a sector's folder without its book.
struct KeptSector {
    // The sector's own folder; empty for a sector never saved.
    std::string origin;
    // Whether the sector has changes its own folder does not hold.
    bool unsaved = false;

    bool operator==(const KeptSector&) const = default;
};

// Keeps sector in folder (made when missing), in place of what was kept
// before. Returns empty text, or why it could not be kept.
std::string KeepSector(const std::string& folder, const Sector& sector, const KeptSector& kept,
                       char decimalSeparator);

// Forgets what folder keeps: the program ended without a sector open.
void ForgetKeptSector(const std::string& folder);

// What folder keeps, with the sector read from the copy when it is unsaved
// or from its own folder when not. Nothing when nothing is kept; a kept
// sector that cannot be read gives nothing too, with the reason in error.
std::optional<std::pair<KeptSector, Sector>> ReadKeptSector(const std::string& folder, char decimalSeparator,
                                                            Message& error);

} // namespace kelvane
