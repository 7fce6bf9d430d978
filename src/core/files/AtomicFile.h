#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// Replaces the contents of the file at path with bytes so that the old file is
// never lost: the bytes go to a temporary file in the same folder, are flushed
// to the disk, and the temporary file is then renamed over the target. A full
// disk, a read-only folder or a crash leaves the old file whole. A symbolic
// link is followed and its target replaced; a target that exists but is not a
// regular file (a device such as /dev/stdout or /dev/full, a pipe) is written
// in place, since renaming over it would replace the device itself.
//
// Returns an empty text on success, else the reason (for example
// "No space left on device"); the target is then unchanged.
std::string ReplaceFileContents(const std::string& path, std::string_view bytes);

} // namespace kelvane
