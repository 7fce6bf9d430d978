#pragma once

#include <string>
#include <string_view>

#include "core/files/FileResult.h"
#include "core/model/StarSystem.h"

namespace kelvane {

// The tagged text system file, version 3.5: written by Save As, read by Load.
//
// The file holds one item per line, each as a tag line, a value line and a
// closing-tag line, indented with spaces that carry no meaning; every line
// ends in CR LF. Decimals use the user's decimal separator, which the caller
// passes in (the core never looks at the locale).
//
// Reading splits the text into lines at CR (an LF right after a CR belongs
// to the line break; any other LF is an ordinary character) and strips only
// spaces from both ends of each line. Tags count only as whole stripped
// lines. Nothing is cleared first: a field the file does not mention keeps
// its value, and an error stops the reading with the fields read so far
// already stored.

// The whole file for system: 319 lines, each ending in CR LF. The name and
// the element texts are written unchanged, trailing spaces included.
std::string SystemFileText(const StarSystem& system, char decimalSeparator);

// Writes SystemFileText(system, decimalSeparator) to path, creating the file
// or replacing it whole. Returns Done, or CannotAccess with the reason; the
// old file is then unchanged and no temporary file is left. The system and
// the current file name are not touched: the caller records the name.
FileResult SaveSystemFile(const StarSystem& system, const std::string& path, char decimalSeparator);

// True when the first line of bytes, stripped of spaces, is exactly
// "<KelvaneSystem>": the sign of tagged text.
bool IsTaggedSystemText(std::string_view bytes);

// Reads tagged text into system, from the first line to "</KelvaneSystem>"
// or the end of text. Does not look at the first line to decide whether text
// is tagged at all. Returns Done (also when nothing was recognised), or
// BadContent with the line and the fault: a value line that is not a number
// in the given format or does not fit its field, a tag whose value line is
// missing at the end of the text, a field item in an eleventh orbit block.
FileResult ReadSystemText(std::string_view text, StarSystem& system, char decimalSeparator);

// What loading does with the bytes of a file: an empty file is BadContent;
// tagged text goes to ReadSystemText; anything else to the 2.0 reader
// (ReadLegacySystem), which gives NotKelvaneFile unless the 2.0 header is
// there.
FileResult ReadSystemFileBytes(std::string_view bytes, StarSystem& system, char decimalSeparator);

// Loads the file at path into system as the program's Load command does,
// choosing the format by the first line (ReadSystemFileBytes); see
// FileOutcome for what each result leaves in the system. On Done the caller
// records path as the current file name and shows the system's name in the
// Orbital Display's caption, in that order; on any other outcome it changes
// neither. Nothing else is touched here: the caller refreshes the views.
FileResult LoadSystemFile(StarSystem& system, const std::string& path, char decimalSeparator);

} // namespace kelvane
