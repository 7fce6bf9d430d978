#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvane {

// The small questions the program asks the file system, and the few things
// it asks of the process, each answered without throwing. Links are followed.

// Whether path names a regular file (not a folder, pipe or device).
bool IsRegularFile(const std::string& path);

// Whether path names a regular file this user may run.
bool IsExecutableFile(const std::string& path);

// Whether this user may make files in the folder at path (which takes the
// right to write it and to search it).
bool IsWritableFolder(const std::string& path);

// Writes all of bytes to the open file fd, again after an interruption.
// Empty text on success, else the reason; errno still says it.
std::string WriteAll(int fd, std::string_view bytes);

// WriteAll to standard output.
std::string WriteStandardOutput(std::string_view bytes);

// When standard output is a pipe, asks that it hold at least bytes (up to
// the system's limit for this user), so that a large write reaches the
// reader in fewer pieces, with fewer switches between the two. A pipe that
// already holds as much, and anything else, stay as they are.
void WidenStandardOutputPipe(std::size_t bytes);

// Runs program in place of this process with the null-terminated argument
// list arguments. Returns only when it could not, with the reason.
std::string RunInstead(const std::string& program, char** arguments);

} // namespace kelvane
