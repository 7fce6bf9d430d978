#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// Replaces a whole folder of files at once, as AtomicFileWriter replaces one
// file. What it promises:
//
// - The new folder is built beside the target, in the same parent, under a
//   hidden name (".NAME.kelvane-XXXXXXXX"), and takes the target's place in
//   one rename (or one exchange, where the target exists). A reader sees the
//   old folder or the new one, never a mix; a failure, a crash or a kill
//   before that leaves the old folder whole.
// - Its files are made new inside the new folder (O_EXCL, O_NOFOLLOW), so no
//   symbolic link is followed out of it and nothing outside it is written.
//   They are written first and flushed to the disk together before the swap.
// - One writer at a time per parent folder: Begin holds an advisory lock on
//   the parent (flock) until the transaction ends, and refuses at once while
//   another program holds it. Under the lock, hidden folders of this kind
//   left by a writer that was killed are removed.
// - After the swap the old folder, now under the hidden name, loses only the
//   files the caller names as its own (Commit's oldFiles) and is removed when
//   that empties it; anything else stays there.
//
// The target itself may not be a symbolic link. Every step returns an empty
// text on success, else the reason; after a failure nothing more is done and
// the target is as it was.
class FolderTransaction {
public:
    FolderTransaction() = default;
    FolderTransaction(const FolderTransaction&) = delete;
    FolderTransaction& operator=(const FolderTransaction&) = delete;
    // Removes the new folder unless Commit put it in place.
    ~FolderTransaction();

    // Locks target's parent, removes stale hidden folders of target and makes
    // the new folder.
    std::string Begin(const std::string& target);
    // Makes the file name (no slash) in the new folder with bytes in it.
    std::string Write(const std::string& name, std::string_view bytes);
    // Flushes the new folder and puts it in place of the target; then removes
    // oldFiles from the old folder, and the old folder when that empties it.
    std::string Commit(const std::vector<std::string>& oldFiles);

private:
    std::string Fail(int error);
    void RemoveNewFolder();

    int m_parent = -1; // the target's parent, locked
    int m_folder = -1; // the new folder
    std::string m_name;
    std::string m_temporary; // the new folder's name in m_parent while it is ours
    std::vector<std::string> m_written;
};

} // namespace kelvane
