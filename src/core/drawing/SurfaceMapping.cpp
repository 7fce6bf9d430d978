#include "core/drawing/SurfaceMapping.h"

#include <algorithm>
#include <cmath>

namespace kelvane {

SurfaceMapping::SurfaceMapping(const LogicalExtents& extents, const DeviceRect& target, SurfaceAnchor anchor)
    : m_extents(extents)
{
    const double width = std::fabs(extents.Width);
    const double height = std::fabs(extents.Height);
    const bool shows = width > 0 && height > 0 && std::isfinite(width) && std::isfinite(height) &&
                       target.Width > 0 && target.Height > 0;
    if (shows)
        m_scale = std::min(target.Width / width, target.Height / height);
    if (!shows || !std::isfinite(m_scale) || m_scale <= 0) {
        m_scale = 0;
        m_area = {target.X + std::max(target.Width, 0.0) / 2, target.Y + std::max(target.Height, 0.0) / 2, 0,
                  0};
        m_visible = m_area;
        return;
    }
    m_scaleX = extents.Width > 0 ? m_scale : -m_scale;
    m_scaleY = extents.Height > 0 ? m_scale : -m_scale;
    const double areaWidth = width * m_scale;
    const double areaHeight = height * m_scale;
    const double left =
        anchor == SurfaceAnchor::LeftMiddle ? target.X : target.X + (target.Width - areaWidth) / 2;
    m_area = {left, target.Y + (target.Height - areaHeight) / 2, areaWidth, areaHeight};
    m_visible = anchor == SurfaceAnchor::LeftMiddle ? target : m_area;
}

SurfacePoint SurfaceMapping::ToDevice(double x, double y) const
{
    if (m_scale == 0)
        return {m_area.X, m_area.Y};
    // The left and top edges of the logical area sit at the area's corner
    // whichever way the axes grow.
    return {m_area.X + (x - m_extents.Left) * m_scaleX, m_area.Y + (y - m_extents.Top) * m_scaleY};
}

std::array<SurfacePoint, 2> SurfaceMapping::LineToDevice(double x1, double y1, double x2, double y2) const
{
    std::array<SurfacePoint, 2> ends = {ToDevice(x1, y1), ToDevice(x2, y2)};
    if (m_scale == 0)
        return ends;
    const double top = m_extents.Top, bottom = m_extents.Top + m_extents.Height;
    const double left = m_extents.Left, right = m_extents.Left + m_extents.Width;
    const auto across = [](double a, double b, double edge1, double edge2) {
        return (a == edge1 && b == edge2) || (a == edge2 && b == edge1);
    };
    // Each end goes to the visible edge on its own side of the area.
    if (x1 == x2 && across(y1, y2, top, bottom)) {
        const bool firstAbove = ends[0].Y < ends[1].Y;
        ends[firstAbove ? 0 : 1].Y = m_visible.Y;
        ends[firstAbove ? 1 : 0].Y = m_visible.Y + m_visible.Height;
    } else if (y1 == y2 && across(x1, x2, left, right)) {
        const bool firstLeft = ends[0].X < ends[1].X;
        ends[firstLeft ? 0 : 1].X = m_visible.X;
        ends[firstLeft ? 1 : 0].X = m_visible.X + m_visible.Width;
    }
    return ends;
}

SurfacePoint SurfaceMapping::ToLogical(double deviceX, double deviceY) const
{
    if (m_scale == 0)
        return {m_extents.Left + m_extents.Width / 2, m_extents.Top + m_extents.Height / 2};
    return {m_extents.Left + (deviceX - m_area.X) / m_scaleX,
            m_extents.Top + (deviceY - m_area.Y) / m_scaleY};
}

} // namespace kelvane
