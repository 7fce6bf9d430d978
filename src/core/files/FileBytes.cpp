#include "core/files/FileBytes.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace kelvane {

FileResult ReadFileBytes(const std::string& path, std::string& bytes)
{
    bytes.clear();
    // Opening without waiting keeps a pipe that nobody writes to from
    // blocking; reads then wait as usual.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return FileResult::CannotAccess(std::strerror(errno));
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);

    FileResult result;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result = FileResult::CannotAccess(std::strerror(errno));
            break;
        }
        if (n == 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(n) > MaxSystemFileBytes) {
            result = FileResult::CannotAccess("the file is larger than 64 MiB, too large for a system file");
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (!result.Ok())
        bytes.clear();
    return result;
}

} // namespace kelvane
