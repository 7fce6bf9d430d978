#pragma once

#include <QObject>

class QSocketNotifier;

namespace kelvane {

// Ends the program as closing its main window does when the system asks it
// to: SIGTERM (logging off, shutting down, kill), SIGHUP (its terminal went
// away) and SIGINT (Ctrl+C in the terminal that started it). Every window is
// closed, open dialogs included, so the main window's close writes the
// settings as at any other close. The signal only marks the request; the
// windows close in the event loop, the first time it runs after the signal.
class TerminationSignals final : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

private:
    void OnSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace kelvane
