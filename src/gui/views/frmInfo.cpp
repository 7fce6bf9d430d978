#include "gui/views/frmInfo.h"

#include "gui/shell/Controller.h"

namespace kelvane {

frmInfo::frmInfo(Controller& controller) : m_controller(controller)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Information"));
}

void frmInfo::RefreshForm() {}

} // namespace kelvane
