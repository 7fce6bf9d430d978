#include "platform/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileSystem.h"

namespace kelvane {

namespace {

// A short hidden name, new each time: ".kelvane-" and eight letters or digits.
std::string TemporaryName()
{
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t bits =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<std::uint64_t>(::getpid()) << 32);
    bits += counter.fetch_add(1) * 0x9E3779B97F4A7C15u;
    constexpr char alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string name = ".kelvane-";
    for (int i = 0; i < 8; ++i) {
        name += alphabet[bits % 62];
        bits /= 62;
    }
    return name;
}

// Calls make(name) with new temporary names until one is free. Gives the
// name that make took, or nothing with errno set.
template <class Make> std::string TakeTemporaryName(Make make)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = TemporaryName();
        if (make(name))
            return name;
        if (errno != EEXIST)
            return {};
    }
    errno = EEXIST;
    return {};
}

// A path split into its folder and its last name: "a/b" into "a" and "b",
// "b" into "." and "b", "/b" into "/" and "b", "a/" into "a" and "".
struct SplitPath {
    explicit SplitPath(std::string_view path)
    {
        const std::size_t slash = path.rfind('/');
        if (slash == std::string_view::npos) {
            folder = ".";
            name = path;
        } else {
            folder = slash == 0 ? "/" : path.substr(0, slash);
            name = path.substr(slash + 1);
        }
    }
    std::string folder;
    std::string name;
};

// Why a file of this type is not written, or nothing for a regular file.
const char* NotRegularReason(mode_t mode)
{
    if (S_ISREG(mode))
        return nullptr;
    if (S_ISDIR(mode))
        return "Is a directory";
    if (S_ISFIFO(mode))
        return "Is a named pipe, not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "Is a device, not a regular file";
    if (S_ISSOCK(mode))
        return "Is a socket, not a regular file";
    return "Not a regular file";
}

constexpr int MaxLinks = 40; // as the kernel follows at most

} // namespace

AtomicFileWriter::~AtomicFileWriter()
{
    Discard();
}

void AtomicFileWriter::Discard()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.empty())
        ::unlinkat(m_folder, m_temporary.c_str(), 0);
    m_temporary.clear();
    if (m_folder >= 0)
        ::close(m_folder);
    m_folder = -1;
}

std::string AtomicFileWriter::Fail(int error)
{
    return Fail(std::string(std::strerror(error)));
}

std::string AtomicFileWriter::Fail(std::string reason)
{
    Discard();
    m_error = std::move(reason);
    return m_error;
}

std::string AtomicFileWriter::Open(const std::string& path)
{
    Discard();
    m_error.clear();
    std::string error = ResolveTarget(path);
    if (error.empty())
        error = CheckTarget();
    if (error.empty())
        error = MakeTemporary();
    if (error.empty())
        KeepOwnerAndMode();
    return error;
}

// Follows symbolic links from path to the file they finally name, which may
// not exist yet, and opens that file's folder. A relative link is read from
// the folder of the link.
std::string AtomicFileWriter::ResolveTarget(const std::string& path)
{
    if (path.empty())
        return Fail(ENOENT);
    SplitPath split(path);
    m_name = split.name;
    m_folder = ::open(split.folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    for (int links = 0;; ++links) {
        if (m_folder < 0)
            return Fail(errno);
        if (m_name.empty() || m_name == "." || m_name == "..")
            return Fail(EISDIR);
        struct stat info {};
        if (::fstatat(m_folder, m_name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                return Fail(errno);
            m_exists = false;
            return {};
        }
        if (!S_ISLNK(info.st_mode)) {
            m_exists = true;
            m_oldMode = info.st_mode;
            m_oldOwner = info.st_uid;
            m_oldGroup = info.st_gid;
            return {};
        }
        if (links == MaxLinks)
            return Fail(ELOOP);
        char link[4096];
        const ssize_t length = ::readlinkat(m_folder, m_name.c_str(), link, sizeof link);
        if (length < 0)
            return Fail(errno);
        if (static_cast<std::size_t>(length) == sizeof link)
            return Fail(ENAMETOOLONG);
        split = SplitPath(std::string_view(link, static_cast<std::size_t>(length)));
        m_name = split.name;
        const int next = ::openat(m_folder, split.folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        const int openError = errno;
        ::close(m_folder);
        m_folder = next;
        errno = openError;
    }
}

std::string AtomicFileWriter::CheckTarget()
{
    if (!m_exists)
        return {};
    if (const char* reason = NotRegularReason(m_oldMode))
        return Fail(reason);
    if ((m_oldMode & 0222) == 0)
        return Fail("Permission denied (the file is read-only)");
    if (::faccessat(m_folder, m_name.c_str(), W_OK, AT_EACCESS) != 0)
        return Fail(errno);
    return {};
}

std::string AtomicFileWriter::MakeTemporary()
{
    // A new file gets the mode any new file gets (0666 less the umask); a
    // replaced one gets the old mode afterwards.
    const mode_t mode = m_exists ? 0600 : 0666;
    // The unnamed file is given its name through /proc.
    if (::access("/proc/self/fd", X_OK) == 0) {
        m_fd = ::openat(m_folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        m_unnamed = m_fd >= 0;
        if (m_unnamed)
            return {};
        // The file system or the kernel cannot make unnamed files.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return Fail(errno);
    }
    m_temporary = TakeTemporaryName([&](const std::string& name) {
        m_fd = ::openat(m_folder, name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode);
        return m_fd >= 0;
    });
    return m_temporary.empty() ? Fail(errno) : std::string();
}

// NOLINTNEXTLINE(readability-make-member-function-const): it changes the file the writer holds open
void AtomicFileWriter::KeepOwnerAndMode()
{
    if (!m_exists)
        return;
    mode_t mode = m_oldMode & 07777;
    if (::fchown(m_fd, m_oldOwner, m_oldGroup) != 0) {
        // Not allowed to give the file away: it stays ours, with the old
        // group where we may set it, and without set-user or set-group bits
        // that were meant for the old owner.
        [[maybe_unused]] const int ignored = ::fchown(m_fd, static_cast<uid_t>(-1), m_oldGroup);
        mode &= 0777;
    }
    ::fchmod(m_fd, mode);
}

std::string AtomicFileWriter::Write(std::string_view bytes)
{
    if (m_fd < 0)
        return m_error.empty() ? std::string("file is not open") : m_error;
    if (std::string error = WriteAll(m_fd, bytes); !error.empty())
        return Fail(std::move(error));
    return {};
}

std::string AtomicFileWriter::Commit()
{
    if (m_fd < 0)
        return m_error.empty() ? std::string("file is not open") : m_error;
    if (::fsync(m_fd) != 0)
        return Fail(errno);
    // Something other than a file may have been put at the target meanwhile.
    struct stat now {};
    if (::fstatat(m_folder, m_name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(now.st_mode))
        return Fail(S_ISLNK(now.st_mode) ? "Is a symbolic link made while the file was written"
                                         : NotRegularReason(now.st_mode));
    if (m_unnamed) {
        char self[64];
        std::snprintf(self, sizeof self, "/proc/self/fd/%d", m_fd);
        m_temporary = TakeTemporaryName([&](const std::string& name) {
            return ::linkat(AT_FDCWD, self, m_folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
        });
        if (m_temporary.empty())
            return Fail(errno);
    }
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return Fail(errno);
    if (::renameat(m_folder, m_temporary.c_str(), m_folder, m_name.c_str()) != 0)
        return Fail(errno);
    m_temporary.clear();
    Discard();
    return {};
}

std::string ReplaceFileContents(const std::string& path, std::string_view bytes)
{
    AtomicFileWriter writer;
    std::string error = writer.Open(path);
    if (error.empty())
        error = writer.Write(bytes);
    if (error.empty())
        error = writer.Commit();
    return error;
}

} // namespace kelvane
