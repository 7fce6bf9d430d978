#pragma once

#include <QWidget>

#include "core/AppState.h"
#include "core/model/Random.h"

namespace kelvane {

class SurfaceWidget;

// The Orbital Display window: the drawing control vsdDisplay filling its
// inside, the system's name in its caption, and a right-click that picks an
// orbit by its drawn distance, which the window reports with OrbitPicked.
class frmOrbitalDisplay final : public QWidget {
    Q_OBJECT

public:
    // The asteroid dots take their draws from dots, the program's one
    // source; the state itself is only read.
    frmOrbitalDisplay(const AppState& app, Random& dots, QWidget* parent = nullptr);

    SurfaceWidget* vsdDisplay() const { return m_surface; }
    // The frame size on first start, before any placement is saved.
    QSize DesignedSize() const;

    // Draws the current system anew and shows it.
    void Redraw();

    // The orbit a right-click at a logical position picks; 0 for none.
    int PickAt(const QPointF& logical) const;
    // The same for a point of the window.
    int OrbitAt(const QPoint& position) const;

    const StarSystem& System() const { return m_app.system; }

signals:
    // A right-click picked orbit n (1 to 10).
    void OrbitPicked(int n);

private:
    void OnMousePressed(Qt::MouseButton button, QPointF logical);

    const AppState& m_app;
    Random& m_dots;
    SurfaceWidget* m_surface;
};

} // namespace kelvane
