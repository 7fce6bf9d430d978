#include "core/files/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvane {

AtomicFileWriter::~AtomicFileWriter()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
}

std::string AtomicFileWriter::Fail(int error)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
    m_temporary.clear();
    m_error = std::strerror(error);
    return m_error;
}

std::string AtomicFileWriter::Open(const std::string& path)
{
    m_target = path;
    struct stat info {};
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode)) {
        m_fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        return m_fd < 0 ? Fail(errno) : std::string();
    }
    if (exists) {
        // Follow a symbolic link so that the link stays and its file changes.
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr)
            m_target = resolved;
    }

    std::string temporary = m_target + ".XXXXXX";
    m_fd = ::mkstemp(temporary.data());
    if (m_fd < 0)
        return Fail(errno);
    m_temporary = temporary;

    // mkstemp makes the file private; give it the old file's mode, or the
    // mode a newly created file would get.
    mode_t mode = 0;
    if (exists) {
        mode = info.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(m_fd, mode) != 0)
        return Fail(errno);
    return {};
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

std::string AtomicFileWriter::Commit()
{
    if (m_fd < 0)
        return m_error.empty() ? std::string("file is not open") : m_error;
    if (!m_temporary.empty() && ::fsync(m_fd) != 0)
        return Fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return Fail(errno);
    if (!m_temporary.empty()) {
        if (::rename(m_temporary.c_str(), m_target.c_str()) != 0)
            return Fail(errno);
        m_temporary.clear();
    }
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
