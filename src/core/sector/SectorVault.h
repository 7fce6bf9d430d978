#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/sector/Sector.h"
#include "core/sector/SectorFolder.h"

namespace kelvane {

// A folder of Markdown notes for a sector, as note-taking programs and wikis
// read them (Obsidian, Foundry's Markdown importers):
//
//   NAME.md          the index: the sector's name (SectorName), the map, and a
//                    table of every hex with a system or notes, each linking
//                    its note as [[CCRR Name]]
//   sector.svg       the map, shown in the index
//   CCRR Name.md     one note per hex with a system or notes (CCRR.md for an
//                    empty hex): YAML front matter, the orbit table as
//                    show --format md writes it, the notes, links to the
//                    neighbouring hexes that have notes of their own and back
//                    to the index
//   .kelvane-vault   what makes the folder a vault: the names of its files,
//                    each with a hash of the bytes written, so that a later
//                    vault replaces them only while nobody changed them
inline constexpr char VaultMarkerFileName[] = ".kelvane-vault";

// One file of a vault: its name in the folder and its bytes.
struct VaultFile {
    std::string name;
    std::string bytes;

    bool operator==(const VaultFile&) const = default;
};

// text as the stem of a file name that Linux, macOS and Windows all take and
// that a [[link]] names exactly: / \ : * ? " < > | # ^ [ ], control
// characters and bytes that are not UTF-8 become "_", as do a leading dot and
// trailing dots and spaces; a name Windows reserves for a device (CON, NUL,
// COM1...) gets "_" in front; an empty text is "_". At most 200 bytes.
std::string VaultFileStem(std::string_view text);

// The files of the sector's vault, the same bytes for the same sector, map
// and separator: the map (mapSvg, the bytes of sector.svg), the index, the
// notes in hex order and the marker last. Names differ even where case does
// not count. Distances are written with decimalSeparator.
std::vector<VaultFile> SectorVault(const Sector& sector, std::string_view mapSvg, char decimalSeparator);

// Why no vault may be written into folder, or nothing when one may: the
// folder is missing or empty, or holds a vault's files and nothing else, each
// a regular file with the bytes the vault wrote. A refusal names one file.
Message VaultFolderRefusal(const std::string& folder);

// Writes files into folder (its parent must exist) as one FolderTransaction:
// the folder holds the earlier vault whole or the new one whole, and the
// earlier vault's files go. A folder VaultFolderRefusal refuses, checked
// under the transaction's lock, is left untouched.
SectorFolderResult WriteVaultFolder(const std::vector<VaultFile>& files, const std::string& folder);

// The sector's vault, its map drawn as sector.svg, written into folder.
SectorFolderResult WriteSectorVault(const Sector& sector, const std::string& folder, char decimalSeparator);

} // namespace kelvane
