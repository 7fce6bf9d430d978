#pragma once

#include <QRect>
#include <QWidget>
#include <vector>

#include "core/settings/AppSettings.h"

namespace kelvane {

// The rule every long-lived window follows when it is loaded: with a
// placement on record (State not -1) it moves there, and takes the recorded
// size unless withSize is false; without one it stays where it was put and
// records that place, so that even a window never shown normal has a
// placement to save. Corners are Top, Left, Height, Width in twips. A main
// window without a placement (the first start) is first fitted into its
// screen's available area (FittedInside), which a large scale factor can make
// smaller than the window's designed size.
//
// A recorded place is taken as it stands when the window can be used there,
// and otherwise brought within reach (KeptWithinReach): a main window among
// the screens, a child window within the largest client area the screens
// allow. The corners then hold the place the window was given.
void ApplyOrCapturePlacement(QWidget& window, WindowPlacement& placement, bool withSize = true);

// At shutdown: State becomes the window's state (0 normal, 1 minimized,
// 2 maximized); only a normal window has its place read into the corners.
void RecordPlacement(const QWidget& window, WindowPlacement& placement);

// A window's outer rectangle (pixels) made usable on the given areas (the
// screens' available rectangles, or for a child window the client area):
// - its size at least 32 by 32 and at most that of the bounding box of all
//   areas;
// - its title bar, the top 24 pixels, wholly on one area from top to bottom
//   and at least 48 pixels of it (or all of it, when narrower) across.
// A rectangle that already meets both is returned unchanged; one whose title
// bar is out of reach is moved onto the area nearest to it, as far in as its
// size allows. Without any area only the size is bounded.
QRect KeptWithinReach(const QRect& wanted, const std::vector<QRect>& areas);

// A window's outer rectangle wholly inside area: no larger than the area
// (nor smaller than 32 by 32), and moved in as little as it must. A
// rectangle already inside is returned unchanged; an empty area changes
// nothing.
QRect FittedInside(const QRect& wanted, const QRect& area);

} // namespace kelvane
