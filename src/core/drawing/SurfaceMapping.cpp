#include "core/drawing/SurfaceMapping.h"

#include <algorithm>
#include <cmath>

namespace kelvane {

SurfaceMapping::SurfaceMapping(const LogicalExtents& extents, const DeviceRect& target) : m_extents(extents)
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
        return;
    }
    m_scaleX = extents.Width > 0 ? m_scale : -m_scale;
    m_scaleY = extents.Height > 0 ? m_scale : -m_scale;
    const double areaWidth = width * m_scale;
    const double areaHeight = height * m_scale;
    m_area = {target.X + (target.Width - areaWidth) / 2, target.Y + (target.Height - areaHeight) / 2,
              areaWidth, areaHeight};
}

SurfacePoint SurfaceMapping::ToDevice(double x, double y) const
{
    if (m_scale == 0)
        return {m_area.X, m_area.Y};
    // The left and top edges of the logical area sit at the area's corner
    // whichever way the axes grow.
    return {m_area.X + (x - m_extents.Left) * m_scaleX, m_area.Y + (y - m_extents.Top) * m_scaleY};
}

SurfacePoint SurfaceMapping::ToLogical(double deviceX, double deviceY) const
{
    if (m_scale == 0)
        return {m_extents.Left + m_extents.Width / 2, m_extents.Top + m_extents.Height / 2};
    return {m_extents.Left + (deviceX - m_area.X) / m_scaleX,
            m_extents.Top + (deviceY - m_area.Y) / m_scaleY};
}

} // namespace kelvane
