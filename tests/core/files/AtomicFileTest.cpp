#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "core/files/AtomicFile.h"
#include "core/files/TempFolder.h"

namespace kelvane {
namespace {

using test::FileSizeLimit;
using test::Immutable;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;
using Names = std::vector<std::string>;

mode_t ModeOf(const std::string& path)
{
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

TEST(ReplaceFileContents, CreatesAFileWithTheUsualModeAndReplacesOneKeepingItsMode)
{
    TempFolder folder;
    const std::string path = folder / "new.KVN";
    ASSERT_EQ(ReplaceFileContents(path, "first"), "");
    EXPECT_EQ(ReadBytes(path), "first");
    // A temporary file is private; the file must not stay that way.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(ModeOf(path), 0666 & ~mask);

    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(ReplaceFileContents(path, "second, longer than the first"), "");
    ASSERT_EQ(ReplaceFileContents(path, "third"), "");
    EXPECT_EQ(ReadBytes(path), "third");
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_EQ(folder.Names(), Names{"new.KVN"});
}

TEST(ReplaceFileContents, ReplacesTheFileALinkPointsToAndKeepsTheLink)
{
    TempFolder folder;
    WriteBytes(folder / "real.KVN", "old");
    std::filesystem::create_symlink("real.KVN", folder / "link.KVN");
    ASSERT_EQ(ReplaceFileContents(folder / "link.KVN", "new"), "");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.KVN"));
    EXPECT_EQ(ReadBytes(folder / "real.KVN"), "new");
    EXPECT_EQ(folder.Names(), (Names{"link.KVN", "real.KVN"}));
}

TEST(ReplaceFileContents, ReportsAFullDevice)
{
    EXPECT_EQ(ReplaceFileContents("/dev/full", "bytes"), "No space left on device");
}

TEST(ReplaceFileContents, ReportsAFolderThatIsAFileAndLeavesThatFileAlone)
{
    TempFolder folder;
    WriteBytes(folder / "plain", "plain file");
    EXPECT_EQ(ReplaceFileContents(folder / "plain/system.KVN", "bytes"), "Not a directory");
    EXPECT_EQ(ReadBytes(folder / "plain"), "plain file");
    EXPECT_EQ(folder.Names(), Names{"plain"});
}

TEST(ReplaceFileContents, AWriteThatFailsPartWayLeavesTheOldFileAndNoTemporaryFile)
{
    TempFolder folder;
    const std::string path = folder / "system.KVN";
    const std::string old(100, 'o');
    WriteBytes(path, old);
    {
        FileSizeLimit limit(1000);
        ASSERT_TRUE(limit.Set());
        EXPECT_EQ(ReplaceFileContents(path, std::string(5000, 'n')), "File too large");
    }
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(folder.Names(), Names{"system.KVN"});
}

TEST(ReplaceFileContents, ARenameThatFailsLeavesTheOldFileAndNoTemporaryFile)
{
    TempFolder folder;
    const std::string path = folder / "system.KVN";
    WriteBytes(path, "old contents");
    {
        // An immutable file cannot be renamed over, but its folder still
        // takes the temporary file: the failure comes at the rename.
        Immutable locked(path);
        if (!locked.Supported())
            GTEST_SKIP() << "the immutable attribute cannot be set here";
        EXPECT_EQ(ReplaceFileContents(path, "new contents"), "Operation not permitted");
    }
    EXPECT_EQ(ReadBytes(path), "old contents");
    EXPECT_EQ(folder.Names(), Names{"system.KVN"});
}

TEST(ReplaceFileContents, AFolderThatTakesNoNewFileLeavesTheOldFile)
{
    TempFolder folder;
    const std::string inner = folder / "locked";
    std::filesystem::create_directory(inner);
    const std::string path = inner + "/system.KVN";
    WriteBytes(path, "old contents");
    // A read-only folder stops everyone but root; the immutable attribute
    // stops root too, where the file system has it.
    ASSERT_EQ(::chmod(inner.c_str(), 0555), 0);
    std::optional<Immutable> locked;
    if (::access(inner.c_str(), W_OK) == 0) {
        locked.emplace(inner);
        if (!locked->Supported())
            GTEST_SKIP() << "this user writes into read-only folders and cannot lock one";
    }
    EXPECT_NE(ReplaceFileContents(path, "new contents"), "");
    locked.reset();
    EXPECT_EQ(ReadBytes(path), "old contents");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(inner), {}), 1);
}

TEST(AtomicFileWriter, AnAbandonedWriterLeavesTheOldFileAndNoTemporaryFile)
{
    TempFolder folder;
    const std::string path = folder / "system.KVN";
    WriteBytes(path, "old contents");
    {
        AtomicFileWriter writer;
        ASSERT_EQ(writer.Open(path), "");
        ASSERT_EQ(writer.Write("half of the new"), "");
        EXPECT_EQ(folder.Names().size(), 2u);
    }
    EXPECT_EQ(ReadBytes(path), "old contents");
    EXPECT_EQ(folder.Names(), Names{"system.KVN"});
}

} // namespace
} // namespace kelvane
