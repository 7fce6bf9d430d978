#include "gui/views/frmForceOrbit.h"

#include "gui/shell/Controller.h"

namespace kelvane {

frmForceOrbit::frmForceOrbit(Controller& controller, QWidget* parent)
    : QDialog(parent), m_controller(controller)
{
    setObjectName(QStringLiteral("frmForceOrbit"));
    setWindowTitle(QStringLiteral("Force Orbit"));
}

void frmForceOrbit::ForceOrbit(int) {}

} // namespace kelvane
