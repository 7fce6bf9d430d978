#pragma once

#include <QAbstractScrollArea>
#include <QPointF>
#include <QPolygonF>
#include <optional>

#include "core/sector/HexGrid.h"
#include "core/sector/Sector.h"
#include "core/sector/SectorMap.h"

namespace kelvane {

// The Sector window's map: the sector drawn as its sector.svg is, by
// DrawSectorMap and PaintSectorMap, in a view that zooms and pans. It opens
// with the whole map fitted in when its hex numbers can be read so, and
// otherwise at the scale where they can, showing the map's top left
// corner (and keeps to that as the view is resized, until a zoom); the wheel (or + and -) zooms about the
// pointer (a map narrower or lower than the view stays in its middle that
// way), up to a hex 400 pixels across, and 0 fits the map again; the
// scroll bars and dragging with the left button pan. A click on a hex makes
// it the focus hex, and on an occupied one reports it; the current hex is
// outlined; hovering a hex shows its number, for a system its name and star,
// and the first line of its notes, as a tool tip.
//
// From the keyboard: the arrow keys move a focus hex, framed while the view
// has the focus, and the view follows it; Enter or Space on an occupied hex
// reports it as a click does.
class SectorMapView final : public QAbstractScrollArea {
    Q_OBJECT

public:
    // The most pixels per logical unit: a hex 400 pixels across.
    static constexpr double MaxScale = 2.0;
    // The pixels of a hex's number below which a map does not open fitted.
    static constexpr double ReadableTextPixels = 8;

    explicit SectorMapView(QWidget* parent = nullptr);

    // Shows sector, which must outlive the view or be replaced first; null
    // shows nothing. The map is fitted into the view.
    void SetSector(const Sector* sector);
    // Draws the map again after the sector's systems changed; the view stays
    // where it is.
    void Redraw();
    // The hex outlined as the current system's; none for no outline.
    void SetCurrentHex(std::optional<HexNumber> hex);
    std::optional<HexNumber> CurrentHex() const { return m_current; }
    // The keyboard's hex: where the arrow keys move from and what Enter
    // chooses. It starts on the current hex, or on 0101.
    std::optional<HexNumber> FocusHex() const { return m_focus; }
    // Moves the keyboard's hex to hex (within the grid) and scrolls it into
    // view.
    void SetFocusHex(HexNumber hex);

    const Sector* ShownSector() const { return m_sector; }
    const HexGrid& Grid() const { return m_grid; }

    // Pixels of the view per logical unit of the map.
    double Scale() const { return m_scale; }
    bool IsFitted() const { return m_fitted; }
    // Zooms by factor about a point of the viewport, within the fitted
    // scale and MaxScale.
    void ZoomAt(double factor, const QPointF& at);
    void Fit();

    // Where a hex's centre shows in the viewport, and the hex under a point
    // of it (none outside the grid).
    QPointF HexCentre(HexNumber hex) const;
    std::optional<HexNumber> HexAt(const QPointF& position) const;
    // The tool tip of a hex: "0304 Kelvaris: Yellow (G), Main Sequence (V)",
    // or "0305: no system", and the first line of its notes below.
    QString HexToolTip(HexNumber hex) const;

signals:
    // An occupied hex was clicked.
    void HexClicked(kelvane::HexNumber hex);
    // The focus hex moved, by a key or a click.
    void FocusHexChanged(kelvane::HexNumber hex);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    double FitScale() const;
    // Fits the map in, or shows its top left corner at the readable scale
    // when fitting it in would make its texts too small.
    void Open();
    // The map's size at the current scale, in pixels.
    QSizeF ContentSize() const;
    // Where the map's whole area lies in the viewport.
    QRectF Target() const;
    void UpdateScrollBars();
    // The outline of hex in the viewport.
    QPolygonF Outline(HexNumber hex) const;
    void PaintFocusFrame(QPainter& painter) const;

    const Sector* m_sector = nullptr;
    SectorMap m_map;
    HexGrid m_grid{0, 0};
    std::optional<HexNumber> m_current;
    std::optional<HexNumber> m_focus;
    double m_scale = 1;
    bool m_fitted = true;
    // Whether the view shows the map as it opened, not zoomed since.
    bool m_opened = true;
    // A left-button press: where it was and the scroll bars then, and
    // whether it has moved far enough to be a drag.
    std::optional<QPoint> m_pressedAt;
    QPoint m_scrollAtPress;
    bool m_dragging = false;
};

} // namespace kelvane
