#include "gui/shell/TerminationSignals.h"

#include <QApplication>
#include <QSocketNotifier>

#include "platform/TerminationSignals.h"

namespace kelvane {

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    const int descriptor = WatchTerminationSignals();
    if (descriptor < 0)
        return;
    m_notifier = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::OnSignal);
}

TerminationSignals::~TerminationSignals()
{
    StopWatchingTerminationSignals();
}

void TerminationSignals::OnSignal()
{
    TakeTerminationSignal(static_cast<int>(m_notifier->socket()));
    // A dialog's own event loop ends when the dialog closes; the main
    // window's close then records the placements and writes the settings.
    QApplication::closeAllWindows();
    QApplication::quit();
}

} // namespace kelvane
