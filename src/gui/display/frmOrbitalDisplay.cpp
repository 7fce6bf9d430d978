#include "gui/display/frmOrbitalDisplay.h"

#include <QVBoxLayout>

#include "core/drawing/OrbitalDisplay.h"
#include "gui/display/SurfaceWidget.h"
#include "gui/shell/Controller.h"
#include "gui/shell/Twips.h"

namespace kelvane {

frmOrbitalDisplay::frmOrbitalDisplay(Controller& controller)
    : m_controller(controller), m_surface(new SurfaceWidget(this))
{
    setObjectName(QStringLiteral("frmOrbitalDisplay"));
    setWindowTitle(QStringLiteral("Orbital Display"));
    m_surface->setObjectName(QStringLiteral("vsdDisplay"));
    // The control fills the window's inside at every size.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_surface);
    connect(m_surface, &SurfaceWidget::MousePressed, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPointF logical) {
                OnMousePressed(button, logical);
            });
}

QSize frmOrbitalDisplay::DesignedSize() const
{
    return PxSize(7035, 7035);
}

void frmOrbitalDisplay::Redraw()
{
    const AppState& app = m_controller.State();
    DrawOrbitalDisplay(m_surface->Surface(), app.system, app.settings, app.DisplayBackColor, *app.random);
    m_surface->update();
}

int frmOrbitalDisplay::PickAt(const QPointF& logical) const
{
    const DrawingSurface& surface = m_surface->Surface();
    return PickOrbit(logical.x(), logical.y(), m_controller.Settings().OrbitDisplay, surface.LogicalWidth(),
                     surface.LogicalHeight());
}

void frmOrbitalDisplay::OnMousePressed(Qt::MouseButton button, QPointF logical)
{
    if (button != Qt::RightButton)
        return;
    if (const int n = PickAt(logical); n != 0)
        m_controller.OrbitPicked(n);
}

} // namespace kelvane
