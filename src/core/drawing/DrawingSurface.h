#pragma once

#include <cstdint>
#include <vector>

#include "core/model/Codes.h"

namespace kelvane {

// The logical area of a surface: the left edge, the width, the top edge and
// the height, in logical units. A negative height makes y grow upwards (the
// top edge is then the largest y); a negative width makes x grow leftwards.
struct LogicalExtents {
    double Left = 0;
    double Width = 1000;
    double Top = 0;
    double Height = 1000;

    bool operator==(const LogicalExtents&) const = default;
};

// Where a surface's logical area sits in a rectangle of other proportions.
// Either way it is scaled as large as fits, the same across and down.
enum class SurfaceAnchor : std::int8_t {
    // Centred; the strips left over (the letterbox) show the background only.
    Centre,
    // Its left edge on the rectangle's left edge and its middle at the
    // rectangle's middle height; the rest of the rectangle shows the drawing
    // beyond the logical area, as far as it reaches.
    LeftMiddle,
};

// Fill styles of a surface: circles are filled only with FillSolid.
enum FillStyleCode : std::int16_t {
    FillSolid = 0,
    FillNone = 1,
};

// One shape as it was drawn, with the surface's colours, pen width and fill
// at that moment. Coordinates and radius are logical units.
struct Shape {
    enum class Kind { Line, Circle };

    Kind ShapeKind = Kind::Line;
    double X1 = 0; // a line's first end; a circle's centre
    double Y1 = 0;
    double X2 = 0; // a line's second end; unused for a circle
    double Y2 = 0;
    double Radius = 0; // a circle's radius; unused for a line
    Colour PenColor = 0;
    double PenWidth = 1;
    Colour FillColor = 0;
    std::int16_t FillStyle = FillSolid;

    // Whether a circle is filled: only fill style 0 fills.
    bool Filled() const { return ShapeKind == Kind::Circle && FillStyle == FillSolid; }

    bool operator==(const Shape&) const = default;
};

// The width in device pixels that a pen draws with: its width, but never
// thinner than one pixel.
inline double DevicePenWidth(double penWidth)
{
    return penWidth > 1 ? penWidth : 1.0;
}

// A vector drawing surface: it keeps its state (background, extents, pen and
// fill) between calls and records every line and circle drawn since it was
// last cleared, so that a window, an image or a printed page can show the
// same drawing at any size without drawing it again.
class DrawingSurface {
public:
    // The colour shown where nothing is drawn, also after Clear.
    Colour BackColor() const { return m_backColor; }
    void SetBackColor(Colour colour) { m_backColor = colour; }

    // Removes every shape; the state (colours, pen, fill, extents) stays.
    void Clear() { m_shapes.clear(); }

    const LogicalExtents& Extents() const { return m_extents; }
    void SetExtents(double left, double width, double top, double height);
    double LogicalWidth() const { return m_extents.Width; }
    double LogicalHeight() const { return m_extents.Height; }
    SurfaceAnchor Anchor() const { return m_anchor; }
    void SetAnchor(SurfaceAnchor anchor) { m_anchor = anchor; }

    Colour PenColor() const { return m_penColor; }
    void SetPenColor(Colour colour) { m_penColor = colour; }
    // In device pixels of the screen; the value read is the value set.
    double PenWidth() const { return m_penWidth; }
    void SetPenWidth(double width) { m_penWidth = width; }

    Colour FillColor() const { return m_fillColor; }
    void SetFillColor(Colour colour) { m_fillColor = colour; }
    std::int16_t FillStyle() const { return m_fillStyle; }
    void SetFillStyle(std::int16_t style) { m_fillStyle = style; }

    // A straight line in the pen colour and width.
    void Line(double x1, double y1, double x2, double y2);
    // A circle about (x, y) outlined with the pen and, with fill style 0,
    // filled with the fill colour.
    void Circle(double x, double y, double radius);

    // Every shape since the last Clear, in drawing order.
    const std::vector<Shape>& Shapes() const { return m_shapes; }

private:
    Shape Styled(Shape::Kind kind) const;

    Colour m_backColor = 0xFFFFFF;
    LogicalExtents m_extents;
    SurfaceAnchor m_anchor = SurfaceAnchor::Centre;
    Colour m_penColor = 0;
    double m_penWidth = 1;
    Colour m_fillColor = 0;
    std::int16_t m_fillStyle = FillSolid;
    std::vector<Shape> m_shapes;
};

} // namespace kelvane
