#pragma once

#include <QWidget>

#include "core/settings/AppSettings.h"

namespace kelvane {

// The rule every long-lived window follows when it is loaded: with a
// placement on record (State not -1) it moves there, and takes the recorded
// size unless withSize is false; without one it stays where it was put and
// records that place, so that even a window never shown normal has a
// placement to save. Corners are Top, Left, Height, Width in twips.
void ApplyOrCapturePlacement(QWidget& window, WindowPlacement& placement, bool withSize = true);

// At shutdown: State becomes the window's state (0 normal, 1 minimized,
// 2 maximized); only a normal window has its place read into the corners.
void RecordPlacement(const QWidget& window, WindowPlacement& placement);

} // namespace kelvane
