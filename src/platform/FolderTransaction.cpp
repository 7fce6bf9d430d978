#include "platform/FolderTransaction.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileSystem.h"

namespace kelvane {

namespace {

constexpr char Marker[] = ".kelvane-";
constexpr std::size_t RandomLetters = 8;

// ".NAME.kelvane-" and eight letters or digits, new each time.
std::string TemporaryName(const std::string& name)
{
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t bits =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<std::uint64_t>(::getpid()) << 32);
    bits += (counter.fetch_add(1) + 1) * 0x9E3779B97F4A7C15u;
    constexpr char alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string temporary = "." + name + Marker;
    for (std::size_t i = 0; i < RandomLetters; ++i) {
        temporary += alphabet[bits % 62];
        bits /= 62;
    }
    return temporary;
}

bool IsTemporaryNameOf(std::string_view entry, const std::string& name)
{
    const std::string prefix = "." + name + Marker;
    return entry.size() == prefix.size() + RandomLetters && entry.starts_with(prefix);
}

// Removes the files (never a folder inside, never what a link names) of the
// folder called name in parent, and the folder when that empties it. With
// only, just the files it lists.
void RemoveFolder(int parent, const std::string& name, const std::vector<std::string>* only)
{
    const int folder = ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0)
        return;
    if (only != nullptr) {
        for (const std::string& file : *only)
            ::unlinkat(folder, file.c_str(), 0);
        ::close(folder);
    } else if (DIR* entries = ::fdopendir(folder)) {
        std::vector<std::string> files;
        while (const dirent* entry = ::readdir(entries)) {
            struct stat info {};
            if (::fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISDIR(info.st_mode))
                files.emplace_back(entry->d_name);
        }
        for (const std::string& file : files)
            ::unlinkat(folder, file.c_str(), 0);
        ::closedir(entries); // closes folder
    } else {
        ::close(folder);
    }
    ::unlinkat(parent, name.c_str(), AT_REMOVEDIR);
}

// Hidden folders of name that a killed writer left: any there while we hold
// the lock are no one's.
void RemoveStale(int parent, const std::string& name)
{
    const int copy = ::openat(parent, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* entries = copy < 0 ? nullptr : ::fdopendir(copy);
    if (entries == nullptr) {
        if (copy >= 0)
            ::close(copy);
        return;
    }
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(entries))
        if (IsTemporaryNameOf(entry->d_name, name))
            stale.emplace_back(entry->d_name);
    ::closedir(entries);
    for (const std::string& folder : stale)
        RemoveFolder(parent, folder, nullptr);
}

} // namespace

FolderTransaction::~FolderTransaction()
{
    RemoveNewFolder();
    if (m_parent >= 0)
        ::close(m_parent); // and so unlocks it
}

void FolderTransaction::RemoveNewFolder()
{
    if (m_folder >= 0)
        ::close(m_folder);
    m_folder = -1;
    if (!m_temporary.empty())
        RemoveFolder(m_parent, m_temporary, &m_written);
    m_temporary.clear();
    m_written.clear();
}

std::string FolderTransaction::Fail(int error)
{
    RemoveNewFolder();
    return std::strerror(error);
}

std::string FolderTransaction::Begin(const std::string& target)
{
    std::string path = target;
    while (path.size() > 1 && path.ends_with('/'))
        path.pop_back();
    const std::size_t slash = path.rfind('/');
    const std::string parent = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    m_name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (m_name.empty() || m_name == "." || m_name == ".." || m_name == "/")
        return "not a folder that can be replaced";

    m_parent = ::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_parent < 0)
        return std::strerror(errno);
    while (::flock(m_parent, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            return "another program is writing a folder beside it; try again when it is done";
        if (errno != EINTR)
            return std::strerror(errno);
    }
    struct stat info {};
    if (::fstatat(m_parent, m_name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(info.st_mode))
            return "is a symbolic link; choose the folder it names";
        if (!S_ISDIR(info.st_mode))
            return "not a folder";
    } else if (errno != ENOENT) {
        return std::strerror(errno);
    }
    RemoveStale(m_parent, m_name);

    for (int attempt = 0; attempt < 100 && m_temporary.empty(); ++attempt) {
        std::string name = TemporaryName(m_name);
        if (::mkdirat(m_parent, name.c_str(), 0777) == 0)
            m_temporary = std::move(name);
        else if (errno != EEXIST)
            return std::strerror(errno);
    }
    if (m_temporary.empty())
        return std::strerror(EEXIST);
    m_folder = ::openat(m_parent, m_temporary.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    return m_folder < 0 ? Fail(errno) : std::string();
}

std::string FolderTransaction::Write(const std::string& name, std::string_view bytes)
{
    if (m_folder < 0)
        return "the folder is not open";
    if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..")
        return Fail(EINVAL);
    const int fd =
        ::openat(m_folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return Fail(errno);
    m_written.push_back(name);
    std::string error = WriteAll(fd, bytes);
    if (::close(fd) != 0 && error.empty())
        error = std::strerror(errno);
    if (!error.empty()) {
        RemoveNewFolder();
        return error;
    }
    return {};
}

std::string FolderTransaction::Commit(const std::vector<std::string>& oldFiles)
{
    if (m_folder < 0)
        return "the folder is not open";
    // One flush of the file system writes every file at once; each file's
    // own flush would wait for the disk in turn.
    if (::syncfs(m_folder) != 0 || ::fsync(m_folder) != 0)
        return Fail(errno);

    struct stat info {};
    const bool exists = ::fstatat(m_parent, m_name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && !S_ISDIR(info.st_mode))
        return Fail(ENOTDIR);
    if (!exists) {
        if (::renameat2(m_parent, m_temporary.c_str(), m_parent, m_name.c_str(), RENAME_NOREPLACE) != 0)
            return Fail(errno);
        m_temporary.clear();
    } else if (::renameat2(m_parent, m_temporary.c_str(), m_parent, m_name.c_str(), RENAME_EXCHANGE) != 0) {
        if (errno != EINVAL && errno != ENOSYS)
            return Fail(errno);
        // A file system that cannot exchange: the old folder steps aside
        // first, and comes back should the new one not take its place.
        const std::string aside = TemporaryName(m_name);
        if (::renameat(m_parent, m_name.c_str(), m_parent, aside.c_str()) != 0)
            return Fail(errno);
        if (::renameat(m_parent, m_temporary.c_str(), m_parent, m_name.c_str()) != 0) {
            const int error = errno;
            ::renameat(m_parent, aside.c_str(), m_parent, m_name.c_str());
            return Fail(error);
        }
        m_temporary = aside;
    }
    // m_temporary now names the old folder, if any.
    ::close(m_folder);
    m_folder = -1;
    ::fsync(m_parent);
    if (!m_temporary.empty())
        RemoveFolder(m_parent, m_temporary, &oldFiles);
    m_temporary.clear();
    m_written.clear();
    return {};
}

} // namespace kelvane
