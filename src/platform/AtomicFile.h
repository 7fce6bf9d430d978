#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// The one way the program writes a file: system files, the settings file and
// every output of the command line. What it promises:
//
// - The old file is never lost: the bytes go to a temporary file in the same
//   folder, are flushed to the disk, and only then take the target's place in
//   one rename. A full disk, a read-only folder, a crash or a kill leaves the
//   old file whole; after a power failure the target is the old file or the
//   new one, never a mix.
// - Nothing is left behind. The temporary file has no name at all while it
//   is written (Linux O_TMPFILE) and is given a short hidden name
//   (".kelvane-XXXXXX") only for the two system calls that put it in place,
//   so even kill -9 leaves nothing. Where the file system cannot make unnamed
//   files, the temporary file has that name from the start and is removed
//   when the writer is abandoned; a program killed while it writes there
//   leaves the hidden file, never a damaged target.
// - Only regular files are written. A target that is a folder, a named pipe,
//   a device or a socket is refused at once, without opening it (opening a
//   pipe for writing would wait for a reader).
// - A file the user may not write is refused: one whose permissions do not
//   let this user write it, and one without any write permission bit
//   (chmod a-w, mode 0444), which is how a file is marked read-only; that
//   one is refused even to root, who may write anything else.
// - A replaced file keeps its permission bits, its owner and its group.
//   When the owner cannot be kept (another user's file in a folder we may
//   write to), the new file is ours, keeps the old group where we belong to
//   it and the old permission bits, as when that user's file is saved by any
//   program that replaces files.
// - A symbolic link stays a link: the file it finally points to is the one
//   replaced (created, when the link points to nothing yet).
// - The target's name may be as long as the file system allows; the
//   temporary names are short.
//
// A replaced file is a new file: other hard links to the old one keep the
// old contents.
//
// Every step returns an empty text on success, else the reason ("No space
// left on device", "Is a named pipe, not a regular file", ...); after a
// failure the target is unchanged and the writer does nothing more.
class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    ~AtomicFileWriter();

    // Checks the target and makes the temporary file.
    std::string Open(const std::string& path);
    std::string Write(std::string_view bytes);
    // Flushes and puts the file in place of the target.
    std::string Commit();

private:
    std::string Fail(int error);
    std::string Fail(std::string reason);
    std::string ResolveTarget(const std::string& path);
    std::string CheckTarget();
    std::string MakeTemporary();
    void KeepOwnerAndMode();
    void Discard();

    int m_folder = -1;  // the target's folder, where the temporary file lives
    std::string m_name; // the target's name in m_folder, links followed
    bool m_exists = false;
    unsigned m_oldMode = 0;
    unsigned m_oldOwner = 0;
    unsigned m_oldGroup = 0;
    int m_fd = -1;
    bool m_unnamed = false;
    std::string m_temporary; // a name in m_folder while one exists
    std::string m_error;
};

// The whole of bytes as the new contents of path, through AtomicFileWriter.
std::string ReplaceFileContents(const std::string& path, std::string_view bytes);

} // namespace kelvane
