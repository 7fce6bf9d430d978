#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <tuple>

#include "TempFolder.h"
#include "platform/AtomicFile.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;
using test::ReadBytes;
using test::WriteBytes;

struct stat Stat(const std::string& path)
{
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

unsigned Mode(const std::string& path)
{
    return Stat(path).st_mode & 07777;
}

TEST(AtomicFile, RefusesAtOnceWhatIsNotARegularFileOrIsReadOnly)
{
    test::TempFolder folder;
    // The pipe has a reader, so a writer that opened it would not wait but
    // write into it.
    ASSERT_EQ(::mkfifo((folder / "pipe.KVN").c_str(), 0644), 0);
    const int reader = ::open((folder / "pipe.KVN").c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, (folder / "socket.KVN").c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    fs::create_directory(folder / "folder.KVN");
    fs::create_symlink("/dev/null", folder / "null.KVN");
    fs::create_symlink("loop2", folder / "loop1");
    fs::create_symlink("loop1", folder / "loop2");
    WriteBytes(folder / "locked.KVN", "old");
    fs::permissions(folder / "locked.KVN", fs::perms(0444));
    const Names before = folder.Names();

    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        {"pipe.KVN", "Is a named pipe, not a regular file"},
        {"socket.KVN", "Is a socket, not a regular file"},
        {"folder.KVN", "Is a directory"},
        {"folder.KVN/", "Is a directory"},
        {"locked.KVN/", "Not a directory"},
        {"null.KVN", "Is a device, not a regular file"},
        {"loop1", "Too many levels of symbolic links"},
        {"no-such-folder/a.KVN", "No such file or directory"},
        // Even to root, who could write it: no write bit means read-only.
        {"locked.KVN", "Permission denied (the file is read-only)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceFileContents(folder / c.name, "new"), c.reason) << c.name;

    char byte = 0;
    EXPECT_EQ(::read(reader, &byte, 1), 0) << "something was written into the pipe";
    ::close(reader);
    ::close(socket);
    EXPECT_EQ(ReadBytes(folder / "locked.KVN"), "old");
    EXPECT_EQ(Mode(folder / "locked.KVN"), 0444u);
    EXPECT_EQ(folder.Names(), before);
}

TEST(AtomicFile, AReplacedFileKeepsItsModeOwnerAndLinks)
{
    test::TempFolder folder;
    const std::string plain = folder / "plain.KVN";
    WriteBytes(plain, "old");
    fs::permissions(plain, fs::perms(0640));
    ASSERT_TRUE(::geteuid() != 0 || ::chown(plain.c_str(), 12345, 23456) == 0); // another owner, as root
    const struct stat old = Stat(plain);
    ASSERT_EQ(ReplaceFileContents(plain, "new"), "");
    const struct stat now = Stat(plain);
    EXPECT_EQ(ReadBytes(plain), "new");
    EXPECT_NE(now.st_ino, old.st_ino); // replaced, not written over
    EXPECT_EQ(std::tie(now.st_mode, now.st_uid, now.st_gid), std::tie(old.st_mode, old.st_uid, old.st_gid));

    // Links stay links, relative ones read from their own folder; a link to
    // nothing makes the file it names.
    fs::create_directory(folder / "sub");
    WriteBytes(folder / "real.KVN", "old");
    fs::create_symlink("../real.KVN", folder / "sub/relative");
    fs::create_symlink(folder / "sub/relative", folder / "absolute");
    fs::create_symlink("made.KVN", folder / "dangling");
    ASSERT_EQ(ReplaceFileContents(folder / "absolute", "through two links"), "");
    ASSERT_EQ(ReplaceFileContents(folder / "dangling", "made"), "");
    EXPECT_EQ(ReadBytes(folder / "real.KVN"), "through two links");
    EXPECT_EQ(ReadBytes(folder / "made.KVN"), "made");
    for (const char* link : {"sub/relative", "absolute", "dangling"})
        EXPECT_TRUE(fs::is_symlink(folder / link)) << link;

    // A new file gets the mode every new file gets.
    const mode_t mask = ::umask(027);
    ASSERT_EQ(ReplaceFileContents(folder / "new.KVN", "new"), "");
    ::umask(mask);
    EXPECT_EQ(Mode(folder / "new.KVN"), 0640u);
    EXPECT_EQ(folder.Names(),
              (Names{"absolute", "dangling", "made.KVN", "new.KVN", "plain.KVN", "real.KVN", "sub"}));
}

// Runs body in a child process as the user and group "nobody" and gives its
// exit code.
template <class Body> int AsNobody(Body body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(100);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

TEST(AtomicFile, AnotherUsersFileIsRefusedOrReplacedAsItsPermissionsSay)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "acting as another user needs root";
    test::TempFolder folder;
    fs::permissions(folder.Path(), fs::perms(0777));
    WriteBytes(folder / "theirs.KVN", "old");
    fs::permissions(folder / "theirs.KVN", fs::perms(0644));
    WriteBytes(folder / "shared.KVN", "old");
    fs::permissions(folder / "shared.KVN", fs::perms(0666));

    // The folder lets nobody make files, but only shared.KVN lets them write.
    EXPECT_EQ(AsNobody([&] {
                  const bool refused =
                      ReplaceFileContents(folder / "theirs.KVN", "new") == "Permission denied";
                  const bool replaced = ReplaceFileContents(folder / "shared.KVN", "new").empty();
                  return (refused ? 0 : 1) | (replaced ? 0 : 2);
              }),
              0);
    EXPECT_EQ(ReadBytes(folder / "theirs.KVN"), "old");
    EXPECT_EQ(ReadBytes(folder / "shared.KVN"), "new");
    // The owner could not be kept: the file is theirs now, with its old mode.
    EXPECT_EQ(Stat(folder / "shared.KVN").st_uid, 65534u);
    EXPECT_EQ(Mode(folder / "shared.KVN"), 0666u);
    EXPECT_EQ(folder.Names(), (Names{"shared.KVN", "theirs.KVN"}));
}

// Starts a child that writes a megabyte towards path and then waits; kills it
// with kill -9 once the bytes are written. Gives whether it died so.
bool KillWhileWriting(const std::string& path)
{
    int ready[2];
    if (::pipe(ready) != 0)
        return false;
    const pid_t child = ::fork();
    if (child == 0) {
        AtomicFileWriter writer;
        const bool written = writer.Open(path).empty() && writer.Write(std::string(1 << 20, 'x')).empty();
        if (::write(ready[1], written ? "y" : "n", 1) != 1 || !written)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char answer = 0;
    const bool written = ::read(ready[0], &answer, 1) == 1 && answer == 'y';
    ::close(ready[0]);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    return written && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

TEST(AtomicFile, NothingIsLeftBehindByAnAbandonedWriterOrAKilledProgram)
{
    test::TempFolder folder;
    const std::string path = folder / "system.KVN";
    WriteBytes(path, "old");
    // Names as long as the file system allows: the temporary names are short.
    for (const std::size_t length : {250, 255}) {
        const std::string longName = folder / std::string(length, 'n');
        EXPECT_EQ(ReplaceFileContents(longName, "new"), "") << length;
        EXPECT_EQ(ReadBytes(longName), "new");
        fs::remove(longName);
    }
    {
        AtomicFileWriter writer; // abandoned part way
        ASSERT_EQ(writer.Open(path), "");
        ASSERT_EQ(writer.Write("new"), "");
    }
    EXPECT_EQ(folder.Names(), Names{"system.KVN"});
    // kill -9 cannot be caught: the temporary file has no name to leave.
    EXPECT_TRUE(KillWhileWriting(path));
    EXPECT_EQ(folder.Names(), Names{"system.KVN"});
    EXPECT_EQ(ReadBytes(path), "old");
}

TEST(AtomicFile, AFullDiskLeavesTheOldFileWhole)
{
    const test::SmallDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    const std::string path = disk.Folder() / "system.KVN";
    WriteBytes(path, "old");
    AtomicFileWriter writer;
    ASSERT_EQ(writer.Open(path), "");
    std::string error;
    for (int i = 0; i < 16 && error.empty(); ++i)
        error = writer.Write(std::string(16384, 'x'));
    EXPECT_EQ(error, "No space left on device");
    EXPECT_EQ(writer.Commit(), "No space left on device"); // nothing more happens
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(disk.Folder().Names(), Names{"system.KVN"});
}

} // namespace
} // namespace kelvane
