#include "platform/WholeFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvane {

namespace {

WholeFile Failure(WholeFile::Status status, int error)
{
    WholeFile file;
    file.status = status;
    if (error != 0)
        file.error = std::strerror(error);
    return file;
}

} // namespace

WholeFile ReadWholeFile(const std::string& path, std::size_t maxBytes, FileKinds kinds)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return Failure(error == ENOENT || error == ENOTDIR ? WholeFile::Status::Missing
                                                           : WholeFile::Status::Failed,
                       error);
    }

    WholeFile file;
    file.status = WholeFile::Status::Read;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        file = Failure(WholeFile::Status::Failed, errno);
    } else if (kinds == FileKinds::RegularOnly && !S_ISREG(info.st_mode)) {
        file = Failure(WholeFile::Status::NotRegular, 0);
        file.error = "Not a regular file";
    } else {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags != -1)
            ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                file = Failure(WholeFile::Status::Failed, errno);
                break;
            }
            if (n == 0)
                break;
            if (file.bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
                file = Failure(WholeFile::Status::TooLarge, 0);
                break;
            }
            file.bytes.append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    return file;
}

} // namespace kelvane
