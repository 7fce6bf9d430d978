#include "gui/shell/Placement.h"

#include "gui/shell/Twips.h"

namespace kelvane {

namespace {

void CaptureCorners(const QWidget& window, WindowPlacement& placement)
{
    placement.Corner1 = Twips(window.y());
    placement.Corner2 = Twips(window.x());
    placement.Corner3 = Twips(window.height());
    placement.Corner4 = Twips(window.width());
}

} // namespace

void ApplyOrCapturePlacement(QWidget& window, WindowPlacement& placement, bool withSize)
{
    if (placement.State == -1) {
        CaptureCorners(window, placement);
        return;
    }
    window.move(Px(placement.Corner2), Px(placement.Corner1));
    if (withSize)
        window.resize(Px(placement.Corner4), Px(placement.Corner3));
}

void RecordPlacement(const QWidget& window, WindowPlacement& placement)
{
    const Qt::WindowStates state = window.windowState();
    placement.State = state.testFlag(Qt::WindowMinimized) ? 1 : state.testFlag(Qt::WindowMaximized) ? 2 : 0;
    if (placement.State == 0)
        CaptureCorners(window, placement);
}

} // namespace kelvane
