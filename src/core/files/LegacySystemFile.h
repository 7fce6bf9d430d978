#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/files/FileResult.h"
#include "core/model/StarSystem.h"

namespace kelvane {

// The fixed-layout system file of version 2.0, read only. 562 bytes: a
// 30-byte header ("Kelvane 2.0" filled with spaces), the star and zones, and
// ten 50-byte orbit records; integers little-endian, no gaps, no name.

inline constexpr std::size_t LegacyHeaderSize = 30;
inline constexpr std::size_t LegacyFileSize = 562;

// Reads a 2.0 file's bytes into system, every field but SystemName, in the
// order of the layout. Bytes beyond the 562 of the layout are not looked at.
//
// Returns NotKelvaneFile, changing nothing, when the first 30 bytes are not
// the header (a file shorter than 30 bytes included). A file that has the
// header but ends before byte 562 stores every field that lies wholly inside
// it; the field that the end cuts and all after it keep their values, and
// the result is BadContent naming the length and that field ("the file ends
// after 280 bytes, inside Elements of orbit 5; a Kelvane 2.0 file has 562").
FileResult ReadLegacySystem(std::string_view bytes, StarSystem& system);

} // namespace kelvane
