#pragma once

class QWidget;

namespace vok {

// A stored position off every screen (a monitor was removed) would leave a window nobody can
// reach: it moves onto the nearest screen. A position on a screen stays as it is.
void keepOnAScreen(QWidget& window);

}  // namespace vok
