#include "cli/OffscreenGui.h"

namespace kelvane {

namespace {

void QuietQtNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qt_message_output(type, context, message);
}

} // namespace

OffscreenGui::OffscreenGui()
{
    if (QCoreApplication::instance() == nullptr) {
        m_previousHandler = qInstallMessageHandler(QuietQtNotes);
        m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
}

OffscreenGui::~OffscreenGui()
{
    if (m_app) {
        m_app.reset();
        qInstallMessageHandler(m_previousHandler);
    }
}

bool OffscreenGui::Ready() const
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace kelvane
