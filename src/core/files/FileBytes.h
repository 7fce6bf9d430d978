#pragma once

#include <cstddef>
#include <string>

#include "core/files/FileResult.h"

namespace kelvane {

// A system file is a few kilobytes; anything beyond this is refused rather
// than read into memory (a device such as /dev/zero never ends).
inline constexpr std::size_t MaxSystemFileBytes = std::size_t{64} << 20;

// Reads the whole file at path into bytes: a regular file, or a pipe or a
// device, so that kelvane-cli reads what another program pipes to it.
// Returns Done, or CannotAccess with the reason when the file cannot be
// opened or read or holds more than MaxSystemFileBytes; bytes is then empty.
// A pipe without a writer reads as an empty file instead of waiting for one.
FileResult ReadFileBytes(const std::string& path, std::string& bytes);

} // namespace kelvane
