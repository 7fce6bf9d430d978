#include "gui/views/frmElements.h"

#include "gui/shell/Controller.h"

namespace kelvane {

frmElements::frmElements(Controller& controller) : m_controller(controller)
{
    setObjectName(QStringLiteral("frmElements"));
    setWindowTitle(QStringLiteral("Elements"));
}

void frmElements::RefreshForm() {}

} // namespace kelvane
