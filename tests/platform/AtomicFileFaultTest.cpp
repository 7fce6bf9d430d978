// The safe writer against faults no real file system gives on demand: this
// program is linked with --wrap=fsync and --wrap=renameat, so every call the
// writer makes to them passes through here first.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "platform/AtomicFile.h"

namespace {

std::vector<std::string> calls; // "fsync" and "rename", in the order made
int renameError = 0;            // when set, renameat fails with it

} // namespace

// The linker gives these names: --wrap=X sends the calls to __wrap_X and
// names the real one __real_X.
// NOLINTBEGIN(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)
extern "C" {
int __real_fsync(int fd);
int __real_renameat(int fromFolder, const char* from, int toFolder, const char* to);

int __wrap_fsync(int fd)
{
    calls.emplace_back("fsync");
    return __real_fsync(fd);
}

int __wrap_renameat(int fromFolder, const char* from, int toFolder, const char* to)
{
    calls.emplace_back("rename");
    if (renameError != 0) {
        errno = renameError;
        return -1;
    }
    return __real_renameat(fromFolder, from, toFolder, to);
}
}
// NOLINTEND(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)

namespace kelvane {
namespace {

TEST(AtomicFileFaults, TheBytesReachTheDiskBeforeTheNameChanges)
{
    test::TempFolder folder;
    test::WriteBytes(folder / "a.KVN", "old");
    calls.clear();
    renameError = 0;
    EXPECT_EQ(ReplaceFileContents(folder / "a.KVN", "new"), "");
    EXPECT_EQ(calls, (std::vector<std::string>{"fsync", "rename"}));
    EXPECT_EQ(test::ReadBytes(folder / "a.KVN"), "new");
}

TEST(AtomicFileFaults, AFailedRenameSaysWhyAndLeavesTheOldFileAlone)
{
    test::TempFolder folder;
    test::WriteBytes(folder / "a.KVN", "old");
    renameError = EIO;
    EXPECT_EQ(ReplaceFileContents(folder / "a.KVN", "new"), std::strerror(EIO));
    renameError = 0;
    EXPECT_EQ(test::ReadBytes(folder / "a.KVN"), "old");
    // No temporary file is left beside it.
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"a.KVN"}));
}

} // namespace
} // namespace kelvane
