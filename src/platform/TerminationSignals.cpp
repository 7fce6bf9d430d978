#include "platform/TerminationSignals.h"

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace kelvane {

namespace {

// The two ends of the channel from the signal handler to the event loop.
int channel[2] = {-1, -1};

constexpr int Handled[] = {SIGTERM, SIGHUP, SIGINT};

void Handler(int /*signal*/)
{
    // Only async-signal-safe work here: one byte down the channel.
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(channel[0], &byte, 1);
}

} // namespace

int WatchTerminationSignals()
{
    if (channel[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, channel) != 0)
        return -1;
    struct sigaction action {};
    action.sa_handler = Handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Handled)
        ::sigaction(signal, &action, nullptr);
    return channel[1];
}

void TakeTerminationSignal(int descriptor)
{
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(descriptor, &byte, 1);
}

void StopWatchingTerminationSignals()
{
    for (const int signal : Handled)
        ::signal(signal, SIG_DFL);
}

} // namespace kelvane
