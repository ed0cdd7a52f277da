#pragma once

#include <QPoint>
#include <QSize>

namespace vok {

// Where a window whose top-left corner lies on no screen (a monitor was removed since its place
// was stored) goes: inside the nearest screen's free area. A corner on a screen is kept.
QPoint reachablePosition(QPoint topLeft, QSize frame);

// Whether the platform tells a program where its windows are; a Wayland compositor does not.
bool platformReportsWindowPositions();

}  // namespace vok
