#include "gui/display/SurfaceWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/drawing/SurfaceMapping.h"
#include "render/SurfacePainter.h"

namespace kelvane {

SurfaceWidget::SurfaceWidget(QWidget* parent) : QWidget(parent)
{
    // Every pixel is painted: the background needs no erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPointF SurfaceWidget::ToLogical(const QPointF& position) const
{
    const SurfaceMapping mapping(m_surface.Extents(), DeviceRect{0, 0, double(width()), double(height())},
                                 m_surface.Anchor());
    const SurfacePoint logical = mapping.ToLogical(position.x(), position.y());
    return {logical.X, logical.Y};
}

void SurfaceWidget::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    PaintSurface(painter, m_surface, QRectF(rect()));
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event)
{
    emit MousePressed(event->button(), event->modifiers(), ToLogical(event->position()));
    QWidget::mousePressEvent(event);
}

} // namespace kelvane
