#pragma once

#include <QPainter>
#include <QRectF>

namespace kelvane {

// The program's icon: a yellow star inside two tilted orbits, a red planet on
// the outer one and a blue planet with its moon on the inner one, on a
// rounded square of night sky. Painted into the square rect (its smaller side
// counts, centred), so that the window's icon, the menu's icons in every
// size and the scalable one are the same drawing. Lines never get thinner
// than one device pixel, so the orbits still show at 16 pixels. The
// painter's state is restored afterwards.
void PaintProgramIcon(QPainter& painter, const QRectF& rect);

} // namespace kelvane
