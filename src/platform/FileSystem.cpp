#include "platform/FileSystem.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvane {

bool IsRegularFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsExecutableFile(const std::string& path)
{
    return IsRegularFile(path) && ::access(path.c_str(), X_OK) == 0;
}

bool IsWritableFolder(const std::string& path)
{
    return ::access(path.c_str(), W_OK | X_OK) == 0;
}

std::string WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::strerror(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

std::string WriteStandardOutput(std::string_view bytes)
{
    return WriteAll(STDOUT_FILENO, bytes);
}

void WidenStandardOutputPipe(std::size_t bytes)
{
    const int held = ::fcntl(STDOUT_FILENO, F_GETPIPE_SZ);
    if (held < 0 || static_cast<std::size_t>(held) >= bytes)
        return;
    // Beyond /proc/sys/fs/pipe-max-size an ordinary user is refused: the
    // pipe keeps its size, which is only slower.
    ::fcntl(STDOUT_FILENO, F_SETPIPE_SZ, static_cast<int>(bytes));
}

std::string RunInstead(const std::string& program, char** arguments)
{
    ::execv(program.c_str(), arguments);
    return std::strerror(errno);
}

} // namespace kelvane
