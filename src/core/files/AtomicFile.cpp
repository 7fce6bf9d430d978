#include "core/files/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvane {

namespace {

// ---- Temporary names removed on SIGINT, SIGTERM and SIGHUP ------------------

// The signal handler may run at any moment, in any thread, so what it reads
// is in fixed slots guarded by lock-free atomics: a slot's folder and name
// are filled while its state is Busy and read by the handler only when the
// state is Named.
enum SlotState : int { Free = 0, Busy = 1, Named = 2 };

struct CleanupSlot {
    std::atomic<int> state{Free};
    int folder = -1;
    char name[32] = {};
};
static_assert(std::atomic<int>::is_always_lock_free);

constexpr int SlotCount = 16;
CleanupSlot g_slots[SlotCount];

constexpr int CleanedSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void RemoveTemporaries(int signal)
{
    const int savedErrno = errno;
    for (CleanupSlot& slot : g_slots)
        if (slot.state.load() == Named)
            ::unlinkat(slot.folder, slot.name, 0);
    errno = savedErrno;
    // SA_RESETHAND has put back the default action, and SA_NODEFER lets the
    // signal through at once: the program ends as it would have.
    ::raise(signal);
}

// Only signals that would end the program get the handler; one that is
// ignored, or that the program handles itself, is left alone. Looked at each
// time a name is made, so that a signal set back to its default later is
// covered too.
void InstallHandler()
{
    for (const int signal : CleanedSignals) {
        struct sigaction old {};
        if (::sigaction(signal, nullptr, &old) != 0 || (old.sa_flags & SA_SIGINFO) != 0 ||
            old.sa_handler != SIG_DFL)
            continue;
        struct sigaction action {};
        action.sa_handler = RemoveTemporaries;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND | SA_NODEFER;
        ::sigaction(signal, &action, nullptr);
    }
}

// Puts name in folder on the list the handler removes; the slot, or -1 when
// every slot is taken (the file is then only removed by the writer).
int Remember(int folder, const std::string& name)
{
    InstallHandler();
    if (name.size() >= sizeof CleanupSlot::name)
        return -1;
    for (int i = 0; i < SlotCount; ++i) {
        int expected = Free;
        if (g_slots[i].state.compare_exchange_strong(expected, Busy)) {
            g_slots[i].folder = folder;
            std::memcpy(g_slots[i].name, name.c_str(), name.size() + 1);
            g_slots[i].state.store(Named);
            return i;
        }
    }
    return -1;
}

void Forget(int slot)
{
    if (slot < 0)
        return;
    g_slots[slot].state.store(Busy);
    g_slots[slot].state.store(Free);
}

// Holds back the cleaned signals in this thread while a temporary name is
// made and remembered, so that no signal falls between the two.
class SignalsHeld {
public:
    SignalsHeld()
    {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : CleanedSignals)
            sigaddset(&held, signal);
        ::pthread_sigmask(SIG_BLOCK, &held, &m_previous);
    }
    ~SignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t m_previous;
};

// ---- Names and targets -------------------------------------------------------

// A short hidden name, new each time: ".kelvane-" and eight letters or digits.
std::string TemporaryName()
{
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t bits = 0;
    if (::getrandom(&bits, sizeof bits, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bits))
        bits = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
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
    Forget(m_cleanupSlot);
    m_cleanupSlot = -1;
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
    // The unnamed file is linked in through /proc, or without it by root.
    if (m_mode == Temporary::UnnamedWherePossible &&
        (::access("/proc/self/fd", X_OK) == 0 || ::geteuid() == 0)) {
        m_fd = ::openat(m_folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        if (m_fd >= 0) {
            m_unnamed = true;
            return {};
        }
        // The file system or the kernel cannot make unnamed files.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return Fail(errno);
    }
    m_unnamed = false;
    const SignalsHeld held;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = TemporaryName();
        m_fd = ::openat(m_folder, name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode);
        if (m_fd >= 0) {
            m_temporary = name;
            m_cleanupSlot = Remember(m_folder, name);
            return {};
        }
        if (errno != EEXIST)
            return Fail(errno);
    }
    return Fail(EEXIST);
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
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Fail(errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return {};
}

// Gives the unnamed file the name m_temporary, or the target's own name
// when nothing is there (no temporary name at all). Empty text on success.
std::string AtomicFileWriter::LinkUnnamed()
{
    char self[64];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", m_fd);
    const auto link = [&](const std::string& name) {
        if (::linkat(AT_FDCWD, self, m_folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        // Without /proc only root may link a file by its descriptor.
        return errno == ENOENT && ::linkat(m_fd, "", m_folder, name.c_str(), AT_EMPTY_PATH) == 0;
    };
    if (!m_exists) {
        if (link(m_name))
            return {};
        if (errno != EEXIST) // EEXIST: a file came since Open; replace it below
            return Fail(errno);
    }
    const SignalsHeld held;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = TemporaryName();
        if (link(name)) {
            m_temporary = name;
            m_cleanupSlot = Remember(m_folder, name);
            return {};
        }
        if (errno != EEXIST)
            return Fail(errno);
    }
    return Fail(EEXIST);
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
        if (std::string error = LinkUnnamed(); !error.empty())
            return error;
    } else {
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0)
            return Fail(errno);
    }
    if (!m_temporary.empty()) {
        if (::renameat(m_folder, m_temporary.c_str(), m_folder, m_name.c_str()) != 0)
            return Fail(errno);
        m_temporary.clear();
    }
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
