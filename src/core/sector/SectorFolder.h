#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "core/files/FileResult.h"
#include "core/sector/Sector.h"
#include "core/text/Message.h"

namespace kelvane {

// A sector's folder, as kelvane-cli sector and the program's Save Sector As
// write it and Open Sector reads it:
//
//   CCRR.KVN     one system file per occupied hex, as Save As writes it
//   sector.svg   the map
//   sector.pdf   the book: the map, then a report page per system; only
//                when the book is asked for
//   sector.json  the index (SectorFile.h), written last: a folder with an
//                index holds a whole sector
inline constexpr char SectorMapFileName[] = "sector.svg";
inline constexpr char SectorBookFileName[] = "sector.pdf";

// "0312.KVN", the system file of a hex.
std::string HexFileName(HexNumber hex);

// What a folder holds, seen by a writer of sectors.
struct SectorFolderContents {
    // Why no sector may be written there, or nothing when one may: the
    // folder is missing, empty, or holds nothing but a sector's own files,
    // each a regular file: sector.json, sector.svg, sector.pdf and the CCRR.KVN
    // files its index lists. A refusal names one other file it holds.
    Message refusal;
    // Whether its sector.json says it is a sector's index.
    bool holdsSector = false;
    // The sector's own files in it.
    std::set<std::string> sectorFiles;
};

SectorFolderContents InspectSectorFolder(const std::string& folder);

// Where writing a sector's folder stopped and why; both empty when it did
// not stop. Text() is the reason in English. cancelled when the write's step
// stopped it (the reason is then SectorWriteCancelled).
struct SectorFolderResult {
    std::string path;
    Message reason;
    bool cancelled = false;

    bool Ok() const { return reason.Empty(); }
    std::string Text() const { return English(reason); }
};

// Told that one more file or page of a sector's write is done; returns false
// to stop the write there.
using SectorWriteStep = std::function<bool()>;

// The reason a write stopped because its step said so.
inline constexpr char SectorWriteCancelled[] = "cancelled; the folder is as it was";

// The result of a write of folder that its step stopped.
inline SectorFolderResult SectorWriteCancelledIn(const std::string& folder)
{
    return {folder, Message(SectorWriteCancelled), true};
}

// Writes sector into folder (its parent must exist), with book, when there is
// one, as its sector.pdf: each system's file with the system as the sector holds it, in
// the user's decimal separator, then the map, the book and the index. It is
// one FolderTransaction: the new folder is built beside folder and takes its
// place at the end, so the folder holds the earlier sector whole or the new
// one whole, never a mix, and files are only ever made new inside the new
// folder (a link in the old one is never followed). The earlier sector's own
// files go with it. A folder InspectSectorFolder refuses, checked while the
// transaction holds its lock, is left untouched. The same sector, separator
// and book give the same bytes. step, when given, is called after each file
// and may stop the write before the swap (SectorWriteCancelled).
SectorFolderResult WriteSectorFolder(const Sector& sector, const std::string& folder, char decimalSeparator,
                                     std::optional<std::string_view> book, const SectorWriteStep& step = {});

// Makes the book of a sector, as its sector.pdf holds it; nothing when it
// cannot be made.
using SectorBookMaker = std::function<std::optional<std::string>(const Sector&)>;

// Changes what the index of the sector in folder says of it, its name and its
// notes, and writes the folder again. change gets the sector as
// ReadSectorFolder reads it and returns empty text, or why it refuses the
// change, which then leaves the folder as it was ({folder, why}). Each
// CCRR.KVN keeps its bytes; the index and the map are written anew, and the
// book (makeBook) when the folder holds one. One FolderTransaction, holding
// its lock from the reading on, so no other writer comes between. A folder
// without sector.json is refused.
SectorFolderResult UpdateSectorFolder(const std::string& folder, char decimalSeparator,
                                      const std::function<std::string(Sector&)>& change,
                                      const SectorBookMaker& makeBook);

// Reads the sector of a folder into sector, replacing all of it: the index,
// then each listed hex's system file, which gives the hex its system as it
// is (edited or not; SetHexSystem). Other files are not looked at. Returns
// Done, or what stopped it with the file's name first ("sector.json: \"width\"
// is missing", "0304.KVN: No such file or directory", "0304.KVN: line 21:
// ..."): CannotAccess for a file that cannot be read, BadContent for one
// whose content is wrong, NotKelvaneFile for a system file of neither kind.
// sector is then unchanged.
FileResult ReadSectorFolder(const std::string& folder, char decimalSeparator, Sector& sector);

} // namespace kelvane
