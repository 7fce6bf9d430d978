#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// Writes a file so that the old one is never lost: the bytes go to a temporary
// file in the same folder, are flushed to the disk, and the temporary file is
// then renamed over the target. A full disk, a read-only folder or a crash
// leaves the old file whole; an abandoned writer removes its temporary file.
// A symbolic link is followed and its target replaced. A target that exists
// but is not a regular file (a device such as /dev/stdout or /dev/full, a
// pipe) is written in place, since renaming over it would replace the device.
//
// Every step returns an empty text on success, else the reason (for example
// "No space left on device"); after a failure the target is unchanged and
// the writer does nothing more.
class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    ~AtomicFileWriter();

    std::string Open(const std::string& path);
    std::string Write(std::string_view bytes);
    // Flushes and puts the file in place of the target.
    std::string Commit();

private:
    std::string Fail(int error);

    int m_fd = -1;
    std::string m_target;
    std::string m_temporary; // empty when writing in place
    std::string m_error;
};

// The whole of bytes as the new contents of path, through AtomicFileWriter.
std::string ReplaceFileContents(const std::string& path, std::string_view bytes);

} // namespace kelvane
