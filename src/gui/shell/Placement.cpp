#include "gui/shell/Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <climits>
#include <cstdint>

#include "gui/display/Twips.h"

namespace kelvane {

namespace {

constexpr int MinSide = 32;
constexpr int TitleBarHeight = 24;
constexpr int TitleBarGrip = 48;
// Without any screen to go by: the largest side Qt gives a widget.
constexpr int MaxSideWithoutScreens = 16384;

void CaptureCorners(const QWidget& window, WindowPlacement& placement)
{
    placement.Corner1 = Twips(window.y());
    placement.Corner2 = Twips(window.x());
    placement.Corner3 = Twips(window.height());
    placement.Corner4 = Twips(window.width());
}

// How far the title bar of place reaches onto area: the width of the part
// across, or 0 when its height is not wholly on it.
int Reach(const QRect& place, const QRect& area)
{
    // 64 bits: a place read from a file may lie near the ends of the int range.
    const std::int64_t top = place.y();
    if (top < area.top() || top + TitleBarHeight - 1 > area.bottom())
        return 0;
    const std::int64_t left = std::max<std::int64_t>(place.x(), area.left());
    const std::int64_t right =
        std::min<std::int64_t>(std::int64_t{place.x()} + place.width() - 1, area.right());
    return static_cast<int>(std::max<std::int64_t>(0, right - left + 1));
}

// The squared distance from the middle of place's title bar to area.
std::int64_t DistanceSquared(const QRect& place, const QRect& area)
{
    const std::int64_t x = std::int64_t{place.x()} + place.width() / 2;
    const std::int64_t y = std::int64_t{place.y()} + TitleBarHeight / 2;
    const std::int64_t dx = x < area.left() ? area.left() - x : x > area.right() ? x - area.right() : 0;
    const std::int64_t dy = y < area.top() ? area.top() - y : y > area.bottom() ? y - area.bottom() : 0;
    // Both below 2^33: the sum of squares fits.
    return dx * dx + dy * dy;
}

// Where along an area from start, length long, a side of size goes when it
// is to be as near wanted as it can while wholly on the area (at start
// when it is longer than the area).
int Within(int wanted, int size, int start, int length)
{
    const std::int64_t last = std::int64_t{start} + length - size;
    return static_cast<int>(std::max<std::int64_t>(start, std::min<std::int64_t>(wanted, last)));
}

std::vector<QRect> ScreenAreas()
{
    std::vector<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        if (!screen->availableGeometry().isEmpty())
            areas.push_back(screen->availableGeometry());
    return areas;
}

} // namespace

QRect KeptWithinReach(const QRect& wanted, const std::vector<QRect>& areas)
{
    QSize largest(MaxSideWithoutScreens, MaxSideWithoutScreens);
    if (!areas.empty()) {
        QRect bounds;
        for (const QRect& area : areas)
            bounds |= area;
        largest = bounds.size().expandedTo(QSize(MinSide, MinSide));
    }
    QRect place(wanted.topLeft(), QSize(std::clamp(wanted.width(), MinSide, largest.width()),
                                        std::clamp(wanted.height(), MinSide, largest.height())));
    if (areas.empty())
        return place;

    const int grip = std::min(TitleBarGrip, place.width());
    const QRect* nearest = &areas.front();
    for (const QRect& area : areas) {
        if (Reach(place, area) >= grip)
            return place;
        if (DistanceSquared(place, area) < DistanceSquared(place, *nearest))
            nearest = &area;
    }
    place.moveTo(Within(place.x(), place.width(), nearest->x(), nearest->width()),
                 Within(place.y(), place.height(), nearest->y(), nearest->height()));
    return place;
}

QRect FittedInside(const QRect& wanted, const QRect& area)
{
    if (area.isEmpty())
        return wanted;
    const QSize size(std::clamp(wanted.width(), MinSide, std::max(MinSide, area.width())),
                     std::clamp(wanted.height(), MinSide, std::max(MinSide, area.height())));
    return {Within(wanted.x(), size.width(), area.x(), area.width()),
            Within(wanted.y(), size.height(), area.y(), area.height()), size.width(), size.height()};
}

void ApplyOrCapturePlacement(QWidget& window, WindowPlacement& placement, bool withSize)
{
    if (placement.State == -1) {
        if (window.isWindow() && window.screen() != nullptr) {
            // The frame's own parts (title bar, borders) count against the
            // area, as far as the window system has told them.
            const QSize frame = window.frameGeometry().size() - window.size();
            const QRect area = window.screen()->availableGeometry();
            const QRect place = FittedInside(QRect(window.pos(), window.frameGeometry().size()), area);
            window.move(place.topLeft());
            window.resize(place.size() - frame);
        }
        CaptureCorners(window, placement);
        return;
    }
    const QRect wanted(Px(placement.Corner2), Px(placement.Corner1),
                       withSize ? Px(placement.Corner4) : window.width(),
                       withSize ? Px(placement.Corner3) : window.height());
    std::vector<QRect> areas = ScreenAreas();
    if (window.parentWidget() != nullptr && !areas.empty()) {
        // A child window's corners are relative to the main window's client
        // area, which can grow at most to the whole of the screens.
        QRect bounds;
        for (const QRect& area : areas)
            bounds |= area;
        areas = {QRect(QPoint(0, 0), bounds.size())};
    }
    const QRect place = KeptWithinReach(wanted, areas);
    window.move(place.topLeft());
    if (withSize)
        window.resize(place.size());
    // Sane corners stay as the file holds them, to the twip; moved ones
    // hold the place the window was given.
    if (place != wanted)
        CaptureCorners(window, placement);
}

void RecordPlacement(const QWidget& window, WindowPlacement& placement)
{
    const Qt::WindowStates state = window.windowState();
    placement.State = state.testFlag(Qt::WindowMinimized) ? 1 : state.testFlag(Qt::WindowMaximized) ? 2 : 0;
    if (placement.State == 0)
        CaptureCorners(window, placement);
}

} // namespace kelvane
