#include "gui/shell/TerminationSignals.h"

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace kelvane {

namespace {

// The two ends of the pipe from the signal handler to the event loop.
int pipeEnds[2] = {-1, -1};

constexpr int Handled[] = {SIGTERM, SIGHUP, SIGINT};

void Handler(int /*signal*/)
{
    // Only async-signal-safe work here: one byte down the pipe.
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (pipeEnds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0)
        return;
    m_notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::OnSignal);
    struct sigaction action {};
    action.sa_handler = Handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Handled)
        ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    for (const int signal : Handled)
        ::signal(signal, SIG_DFL);
}

void TerminationSignals::OnSignal()
{
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(pipeEnds[1], &byte, 1);
    // A dialog's own event loop ends when the dialog closes; the main
    // window's close then records the placements and writes the settings.
    QApplication::closeAllWindows();
    QApplication::quit();
}

} // namespace kelvane
