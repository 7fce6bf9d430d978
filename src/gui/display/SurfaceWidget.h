#pragma once

#include <QWidget>

#include "core/drawing/DrawingSurface.h"

namespace kelvane {

// A window's drawing control: it shows the shapes of its DrawingSurface
// scaled into its whole area with the proportions kept, redraws them on every
// repaint and resize without the program drawing again, and reports mouse
// presses in the surface's logical units.
class SurfaceWidget final : public QWidget {
    Q_OBJECT

public:
    explicit SurfaceWidget(QWidget* parent = nullptr);

    DrawingSurface& Surface() { return m_surface; }
    const DrawingSurface& Surface() const { return m_surface; }

    // The logical position of a point of the widget.
    QPointF ToLogical(const QPointF& position) const;

signals:
    // A mouse button went down at a logical position.
    void MousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF logical);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    DrawingSurface m_surface;
};

} // namespace kelvane
