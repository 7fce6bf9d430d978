#pragma once

#include <array>

#include "core/drawing/DrawingSurface.h"

namespace kelvane {

// A point in logical units or in device units, as the context says.
struct SurfacePoint {
    double X = 0;
    double Y = 0;

    bool operator==(const SurfacePoint&) const = default;
};

// A rectangle in device units (pixels of an image or a window, points of a
// page): left, top, width and height, y growing downwards.
struct DeviceRect {
    double X = 0;
    double Y = 0;
    double Width = 0;
    double Height = 0;

    bool operator==(const DeviceRect&) const = default;
};

// Where a surface's logical area lies in a device rectangle: scaled as large
// as fits with its proportions kept, so circles stay round, and placed by the
// anchor. Centred, the strips left over on two sides are the letterbox; at
// the left middle, the whole rectangle shows the drawing. The window, the
// exported image and the report all place a drawing this way, and the window
// maps mouse positions back with ToLogical.
//
// Extents with a zero width or height, or a target without area, show
// nothing: Scale() is 0, every logical point maps to the middle of the
// target, and every device point maps to the middle of the logical area.
class SurfaceMapping {
public:
    SurfaceMapping(const LogicalExtents& extents, const DeviceRect& target,
                   SurfaceAnchor anchor = SurfaceAnchor::Centre);

    SurfacePoint ToDevice(double x, double y) const;
    SurfacePoint ToLogical(double deviceX, double deviceY) const;
    // A line's ends on the device. A line straight across the logical area
    // from one edge to the opposite one goes across the whole visible part,
    // so that beyond the area it does not stop short.
    std::array<SurfacePoint, 2> LineToDevice(double x1, double y1, double x2, double y2) const;

    // Device units per logical unit, the same across and down; lengths such
    // as a circle's radius scale by it.
    double Scale() const { return m_scale; }
    // The part of the target that the logical area covers; the rest of the
    // target is letterbox.
    const DeviceRect& Area() const { return m_area; }
    // The part of the target where shapes show: the area when centred, the
    // whole target when anchored at the left middle.
    const DeviceRect& Visible() const { return m_visible; }

private:
    LogicalExtents m_extents;
    DeviceRect m_area;
    DeviceRect m_visible;
    double m_scale = 0;
    double m_scaleX = 0; // signed: negative when x grows leftwards
    double m_scaleY = 0; // signed: negative when y grows upwards
};

} // namespace kelvane
