#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace kelvane::test {

struct Ran {
    int status = -1;    // the exit status; -1 when the command did not end by itself
    std::string output; // standard output and standard error together
};

// Runs a command line in the shell.
inline Ran Shell(const std::string& command)
{
    Ran ran;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return ran;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        ran.output.append(buffer, n);
    const int status = ::pclose(pipe);
    ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return ran;
}

// A word for the shell that stands for text as it is.
inline std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The start of a command line that runs a program as a script on a server
// runs it: in the C locale and without a display.
constexpr const char* AsAScript = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C ";

} // namespace kelvane::test
