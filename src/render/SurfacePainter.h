#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include "core/drawing/DrawingSurface.h"

namespace kelvane {

// The QColor of a colour value 0x00BBGGRR.
QColor ToQColor(Colour colour);
// The colour value of a QColor's red, green and blue; alpha is dropped.
Colour FromQColor(const QColor& colour);

// Paints the shapes of surface into target on painter, as SurfaceMapping
// places them by the surface's anchor: the logical area keeps its
// proportions, everything not drawn shows the background colour, and the
// shapes are clipped to the visible part (a letterbox shows background only).
// Antialiased; horizontal and vertical lines lie on whole device pixels, so
// lines 1 and 2 pixels wide are crisp. Pens are cosmetic: a pen width is in
// pixels of the screen (device pixels times the device pixel ratio),
// multiplied by penScale on a device whose pixels are finer (a printer). The
// painter's state is restored afterwards.
void PaintSurface(QPainter& painter, const DrawingSurface& surface, const QRectF& target,
                  double penScale = 1.0);

// The surface painted into a whole image of width by height pixels, with a
// pen scale of 1, at 96 pixels to the inch. A null image when it cannot be
// made (no memory).
QImage SurfaceImage(const DrawingSurface& surface, int width, int height);

// SurfaceImage encoded as PNG; empty when it cannot be made or encoded. The
// same surface and size give the same bytes in every program, with or
// without a QGuiApplication; none is needed.
QByteArray SurfacePng(const DrawingSurface& surface, int width, int height);

// A blank image of width by height pixels at the screen's 96 dots per inch,
// so that a picture written as a file has the same bytes in every program.
QImage ScreenImage(int width, int height);

// The image encoded as PNG; empty when it cannot be encoded.
QByteArray PngBytes(const QImage& image);

} // namespace kelvane
