#include "gui/sector/SectorMapView.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "core/model/Codes.h"
#include "gui/sector/AccessibleSectorMap.h"
#include "render/CoreText.h"
#include "render/QtText.h"
#include "render/SectorMapPainter.h"

namespace kelvane {

namespace {

// One notch of the wheel, or one + or -, zooms by this much.
constexpr double ZoomStep = 1.25;
// The current hex's outline: a blue that no mark of the map uses, with a
// light fill that shows the hex when the map is too small for the outline.
const QColor CurrentHexColour(0, 90, 255);
constexpr int CurrentHexFillAlpha = 48;
constexpr double CurrentHexPen = 3;
constexpr double FocusFramePen = 2;
// The focus frame's corners, from the hex's centre: outside the hex's number
// and name, inside its outline.
constexpr double FocusFrameShrink = 0.92;

// The map as the window shows it: its legend in the user's language.
SectorMap WindowMap(const Sector& sector)
{
    SectorMap map = DrawSectorMap(sector);
    for (MapShape& shape : map.shapes)
        if (shape.role == MapShape::Role::Legend && shape.kind == MapShape::Kind::Text)
            shape.text = FromQt(CoreText(shape.text));
    return map;
}

} // namespace

SectorMapView::SectorMapView(QWidget* parent) : QAbstractScrollArea(parent)
{
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::OpenHandCursor);
    setFocusPolicy(Qt::WheelFocus);
    InstallSectorMapAccessible();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void SectorMapView::SetSector(const Sector* sector)
{
    m_sector = sector;
    m_map = sector != nullptr ? WindowMap(*sector) : SectorMap{};
    m_grid = sector != nullptr ? sector->Grid() : HexGrid(0, 0);
    m_current.reset();
    m_focus.reset();
    Open();
}

void SectorMapView::Open()
{
    Fit();
    m_opened = true;
    const double readable = std::min(ReadableTextPixels / MapNumberSize, MaxScale);
    if (m_sector == nullptr || m_scale >= readable)
        return;
    m_scale = readable;
    m_fitted = false;
    UpdateScrollBars();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void SectorMapView::Redraw()
{
    if (m_sector != nullptr)
        m_map = WindowMap(*m_sector);
    viewport()->update();
}

void SectorMapView::SetCurrentHex(std::optional<HexNumber> hex)
{
    if (hex == m_current)
        return;
    m_current = hex;
    viewport()->update();
}

void SectorMapView::SetFocusHex(HexNumber hex)
{
    if (m_sector == nullptr)
        return;
    hex.column = std::clamp(hex.column, 1, m_grid.Width());
    hex.row = std::clamp(hex.row, 1, m_grid.Height());
    m_focus = hex;
    // The whole hex comes into view, as far as the view is large enough.
    const QRectF place = Outline(hex).boundingRect();
    const QRect view = viewport()->rect();
    const auto follow = [](QScrollBar* bar, double low, double high, int length) {
        if (low < 0)
            bar->setValue(bar->value() + static_cast<int>(std::floor(low)));
        else if (high > length)
            bar->setValue(bar->value() + static_cast<int>(std::ceil(std::min(high - length, low))));
    };
    follow(horizontalScrollBar(), place.left(), place.right(), view.width());
    follow(verticalScrollBar(), place.top(), place.bottom(), view.height());
    viewport()->update();
    if (hasFocus())
        AnnounceFocusHex(this, hex);
    emit FocusHexChanged(hex);
}

double SectorMapView::FitScale() const
{
    const LogicalExtents& extents = m_map.extents;
    const QSize size = viewport()->size();
    if (extents.Width <= 0 || extents.Height <= 0 || size.isEmpty())
        return 1;
    return std::min(size.width() / extents.Width, size.height() / extents.Height);
}

QSizeF SectorMapView::ContentSize() const
{
    return {m_map.extents.Width * m_scale, m_map.extents.Height * m_scale};
}

QRectF SectorMapView::Target() const
{
    const QSizeF content = ContentSize();
    const QSize size = viewport()->size();
    // A map smaller than the view stands in its middle; a larger one moves
    // with the scroll bars.
    const double x = content.width() > size.width() ? -horizontalScrollBar()->value()
                                                    : (size.width() - content.width()) / 2;
    const double y = content.height() > size.height() ? -verticalScrollBar()->value()
                                                      : (size.height() - content.height()) / 2;
    return {x, y, content.width(), content.height()};
}

void SectorMapView::UpdateScrollBars()
{
    const QSizeF content = ContentSize();
    const QSize size = viewport()->size();
    const auto setUp = [](QScrollBar* bar, double length, int page) {
        bar->setRange(0, std::max(0, static_cast<int>(std::ceil(length - page))));
        bar->setPageStep(page);
        bar->setSingleStep(std::max(1, page / 20));
    };
    setUp(horizontalScrollBar(), content.width(), size.width());
    setUp(verticalScrollBar(), content.height(), size.height());
}

void SectorMapView::Fit()
{
    m_fitted = true;
    m_opened = false;
    m_scale = FitScale();
    UpdateScrollBars();
    viewport()->update();
}

void SectorMapView::ZoomAt(double factor, const QPointF& at)
{
    if (m_sector == nullptr || !(factor > 0))
        return;
    const QRectF before = Target();
    // The logical point under at stays under it.
    const double x = (at.x() - before.x()) / m_scale;
    const double y = (at.y() - before.y()) / m_scale;
    const double fit = FitScale();
    m_scale = std::clamp(m_scale * factor, fit, std::max(fit, MaxScale));
    m_fitted = m_scale <= fit;
    m_opened = false;
    UpdateScrollBars();
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(x * m_scale - at.x())));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(y * m_scale - at.y())));
    viewport()->update();
}

QPointF SectorMapView::HexCentre(HexNumber hex) const
{
    const QRectF target = Target();
    const SurfacePoint centre = m_grid.Centre(hex);
    return {target.x() + (centre.X - m_map.extents.Left) * m_scale,
            target.y() + (centre.Y - m_map.extents.Top) * m_scale};
}

std::optional<HexNumber> SectorMapView::HexAt(const QPointF& position) const
{
    if (m_sector == nullptr || m_scale <= 0)
        return std::nullopt;
    const QRectF target = Target();
    return m_grid.HexAt((position.x() - target.x()) / m_scale + m_map.extents.Left,
                        (position.y() - target.y()) / m_scale + m_map.extents.Top);
}

QString SectorMapView::HexToolTip(HexNumber hex) const
{
    const SectorSystem* system = m_sector != nullptr ? m_sector->At(hex) : nullptr;
    const QString number = QString::fromStdString(hex.Text());
    QString tip;
    if (system == nullptr) {
        tip = tr("%1: no system").arg(number);
    } else {
        const SystemSummary& summary = system->summary;
        tip =
            QStringLiteral("%1 %2: %3, %4")
                .arg(number, ToQt(system->name), CoreText(StarTypeName(summary.starType, summary.starClass)),
                     CoreText(StarClassName(summary.starClass)));
    }
    if (m_sector != nullptr) {
        const std::string& notes = m_sector->NotesOf(hex);
        const QString first = ToQt(notes.substr(0, notes.find('\n'))).trimmed();
        if (!first.isEmpty())
            tip += QLatin1Char('\n') + first;
    }
    return tip;
}

void SectorMapView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    // The map paints only what lies in the clip: after a pan, the strip
    // that came into view.
    painter.setClipRegion(event->region());
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    if (m_sector == nullptr)
        return;
    const QRectF target = Target();
    PaintSectorMap(painter, m_map, target);

    if (m_current && m_grid.Contains(*m_current)) {
        painter.save();
        const QPolygonF outline = Outline(*m_current);
        painter.setRenderHint(QPainter::Antialiasing, true);
        QPen pen(CurrentHexColour, CurrentHexPen);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        QColor fill = CurrentHexColour;
        fill.setAlpha(CurrentHexFillAlpha);
        painter.setBrush(fill);
        painter.drawPolygon(outline);
        painter.restore();
    }
    if (hasFocus())
        PaintFocusFrame(painter);
}

QPolygonF SectorMapView::Outline(HexNumber hex) const
{
    const QRectF target = Target();
    QPolygonF outline;
    for (const SurfacePoint& corner : m_grid.Corners(hex))
        outline << QPointF(target.x() + (corner.X - m_map.extents.Left) * m_scale,
                           target.y() + (corner.Y - m_map.extents.Top) * m_scale);
    return outline;
}

void SectorMapView::PaintFocusFrame(QPainter& painter) const
{
    if (!m_focus || !m_grid.Contains(*m_focus))
        return;
    // Black dashes on a white line, inside the hex: seen on every colour the
    // map uses, and apart from the current hex's blue outline.
    const QPolygonF outline = Outline(*m_focus);
    const QPointF centre = HexCentre(*m_focus);
    QPolygonF inner;
    for (const QPointF& corner : outline)
        inner << centre + (corner - centre) * FocusFrameShrink;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, FocusFramePen));
    painter.drawPolygon(inner);
    QPen dashes(Qt::black, FocusFramePen, Qt::DashLine);
    painter.setPen(dashes);
    painter.drawPolygon(inner);
}

void SectorMapView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (m_opened) {
        // Where the user scrolled to stays.
        const int x = horizontalScrollBar()->value();
        const int y = verticalScrollBar()->value();
        Open();
        horizontalScrollBar()->setValue(x);
        verticalScrollBar()->setValue(y);
        return;
    }
    const double fit = FitScale();
    if (m_fitted || m_scale < fit) {
        m_fitted = true;
        m_scale = fit;
    }
    UpdateScrollBars();
    viewport()->update();
}

void SectorMapView::scrollContentsBy(int dx, int dy)
{
    // What was shown moves along; only the strip that comes into view is
    // painted.
    viewport()->scroll(dx, dy);
}

void SectorMapView::wheelEvent(QWheelEvent* event)
{
    const int notches = event->angleDelta().y();
    if (notches == 0) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    ZoomAt(std::pow(ZoomStep, notches / 120.0), event->position());
    event->accept();
}

void SectorMapView::keyPressEvent(QKeyEvent* event)
{
    const QPointF middle(viewport()->width() / 2.0, viewport()->height() / 2.0);
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: ZoomAt(ZoomStep, middle); break;
    case Qt::Key_Minus: ZoomAt(1 / ZoomStep, middle); break;
    case Qt::Key_0: Fit(); break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (m_sector == nullptr)
            break;
        HexNumber hex = m_focus.value_or(m_current.value_or(HexNumber{}));
        if (m_focus) {
            const int key = event->key();
            hex.column += key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
            hex.row += key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
        }
        SetFocusHex(hex);
        break;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_focus && m_sector != nullptr && m_sector->At(*m_focus) != nullptr)
            emit HexClicked(*m_focus);
        break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    event->accept();
}

void SectorMapView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    if (m_sector != nullptr && !m_focus) {
        m_focus = m_current.value_or(HexNumber{});
        emit FocusHexChanged(*m_focus);
    }
    viewport()->update();
    if (m_focus)
        AnnounceFocusHex(this, *m_focus);
}

void SectorMapView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void SectorMapView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    m_pressedAt = event->position().toPoint();
    m_scrollAtPress = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    m_dragging = false;
    event->accept();
}

void SectorMapView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressedAt || !(event->buttons() & Qt::LeftButton)) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    const QPoint moved = event->position().toPoint() - *m_pressedAt;
    if (!m_dragging && moved.manhattanLength() >= QApplication::startDragDistance()) {
        m_dragging = true;
        viewport()->setCursor(Qt::ClosedHandCursor);
    }
    if (m_dragging) {
        horizontalScrollBar()->setValue(m_scrollAtPress.x() - moved.x());
        verticalScrollBar()->setValue(m_scrollAtPress.y() - moved.y());
    }
    event->accept();
}

void SectorMapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressedAt) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    const bool click = !m_dragging;
    m_pressedAt.reset();
    m_dragging = false;
    viewport()->setCursor(Qt::OpenHandCursor);
    if (click) {
        const std::optional<HexNumber> hex = HexAt(event->position());
        if (hex && m_sector != nullptr) {
            m_focus = hex;
            viewport()->update();
            emit FocusHexChanged(*hex);
            if (m_sector->At(*hex) != nullptr)
                emit HexClicked(*hex);
        }
    }
    event->accept();
}

bool SectorMapView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const std::optional<HexNumber> hex = HexAt(help->pos())) {
            // The tip stays while the pointer is over the same hex.
            const QPointF centre = HexCentre(*hex);
            const double half = HexGrid::Size * m_scale * std::sqrt(3.0) / 2;
            const QRect area = QRectF(centre.x() - half, centre.y() - half, 2 * half, 2 * half).toRect();
            QToolTip::showText(help->globalPos(), HexToolTip(*hex), viewport(), area);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

} // namespace kelvane
