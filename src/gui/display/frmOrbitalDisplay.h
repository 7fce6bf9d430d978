#pragma once

#include <QWidget>

namespace kelvane {

class Controller;
class SurfaceWidget;

// The Orbital Display window: the drawing control vsdDisplay filling its
// inside, the system's name in its caption, and a right-click that picks an
// orbit by its drawn distance and opens it in the Force Orbit dialog.
class frmOrbitalDisplay final : public QWidget {
    Q_OBJECT

public:
    explicit frmOrbitalDisplay(Controller& controller);

    SurfaceWidget* vsdDisplay() const { return m_surface; }
    // The frame size on first start, before any placement is saved.
    QSize DesignedSize() const;

    // Draws the current system anew and shows it.
    void Redraw();

    // The orbit a right-click at a logical position picks; 0 for none.
    int PickAt(const QPointF& logical) const;

private:
    void OnMousePressed(Qt::MouseButton button, QPointF logical);

    Controller& m_controller;
    SurfaceWidget* m_surface;
};

} // namespace kelvane
