#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

#include "core/sector/SectorMap.h"

namespace kelvane {

// Texts smaller than this many device pixels are left out: nobody can read
// them, and at the size of a whole large sector they would be most of the
// painting's time.
inline constexpr double MinMapTextPixels = 5;

// Paints map into target on painter as SurfaceMapping places a drawing: its
// proportions kept and centred, the letterbox in the map's background.
// Outlines are cosmetic pens of their width in pixels of a 96 dpi screen
// times penScale; texts are in Arial, each made smaller when it is wider
// than its limit, and left out below MinMapTextPixels. Shapes outside the
// painter's clip region are skipped, so a window that shows part of a large
// map paints only that part. Antialiased; the painter's state is restored.
// Needs a QGuiApplication for the texts.
void PaintSectorMap(QPainter& painter, const SectorMap& map, const QRectF& target, double penScale = 1.0);

// The map painted into a whole image of width by height pixels; a null
// image when it cannot be made.
QImage SectorMapImage(const SectorMap& map, int width, int height);

} // namespace kelvane
