// Start-up probe: starts the desktop program as main() does and prints the
// wall-clock time (nanoseconds since the epoch) at which the Orbital Display
// first painted the first system, then quits. Run it as
//   t0=$(date +%s%N); ./startup_probe; echo "$t0"
// under xvfb-run to measure process start to first drawn system.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "gui/display/SurfaceWidget.h"
#include "gui/display/frmOrbitalDisplay.h"
#include "gui/shell/ChildWindows.h"
#include "gui/shell/Controller.h"

namespace {

class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // After this paint has been done.
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf("%lld\n", static_cast<long long>(
                                          std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                QApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    kelvane::Controller controller(QCoreApplication::applicationDirPath().toStdString());
    FirstPaint probe;
    controller.Main();
    controller.Windows().OrbitalDisplay()->vsdDisplay()->installEventFilter(&probe);
    const int result = QApplication::exec();
    return result;
}
