#include "core/drawing/DrawingSurface.h"

namespace kelvane {

void DrawingSurface::SetExtents(double left, double width, double top, double height)
{
    m_extents = {left, width, top, height};
}

Shape DrawingSurface::Styled(Shape::Kind kind) const
{
    Shape shape;
    shape.ShapeKind = kind;
    shape.PenColor = m_penColor;
    shape.PenWidth = m_penWidth;
    shape.FillColor = m_fillColor;
    shape.FillStyle = m_fillStyle;
    return shape;
}

void DrawingSurface::Line(double x1, double y1, double x2, double y2)
{
    Shape shape = Styled(Shape::Kind::Line);
    shape.X1 = x1;
    shape.Y1 = y1;
    shape.X2 = x2;
    shape.Y2 = y2;
    m_shapes.push_back(shape);
}

void DrawingSurface::Circle(double x, double y, double radius)
{
    Shape shape = Styled(Shape::Kind::Circle);
    shape.X1 = x;
    shape.Y1 = y;
    shape.Radius = radius;
    m_shapes.push_back(shape);
}

} // namespace kelvane
