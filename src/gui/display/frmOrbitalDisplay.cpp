#include "gui/display/frmOrbitalDisplay.h"

#include <QVBoxLayout>

#include "core/drawing/OrbitalDisplay.h"
#include "gui/display/AccessibleDrawing.h"
#include "gui/display/AccessibleOrbitalDisplay.h"
#include "gui/display/SurfaceWidget.h"
#include "gui/display/Twips.h"

namespace kelvane {

frmOrbitalDisplay::frmOrbitalDisplay(const AppState& app, Random& dots, QWidget* parent)
    : QWidget(parent), m_app(app), m_dots(dots), m_surface(new SurfaceWidget(this))
{
    setObjectName(QStringLiteral("frmOrbitalDisplay"));
    setWindowTitle(tr("Orbital Display"));
    InstallOrbitalDisplayAccessible();
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
    DrawOrbitalDisplay(m_surface->Surface(), m_app.system, m_app.settings, m_app.DisplayBackColor, m_dots);
    m_surface->update();
    AccessibleDrawing::AnnounceChange(this);
}

int frmOrbitalDisplay::PickAt(const QPointF& logical) const
{
    const DrawingSurface& surface = m_surface->Surface();
    return PickOrbit(logical.x(), logical.y(), m_app.settings.OrbitDisplay, surface.LogicalWidth(),
                     surface.LogicalHeight());
}

int frmOrbitalDisplay::OrbitAt(const QPoint& position) const
{
    return PickAt(m_surface->ToLogical(m_surface->mapFrom(this, QPointF(position))));
}

void frmOrbitalDisplay::OnMousePressed(Qt::MouseButton button, QPointF logical)
{
    if (button != Qt::RightButton)
        return;
    if (const int n = PickAt(logical); n != 0)
        emit OrbitPicked(n);
}

} // namespace kelvane
