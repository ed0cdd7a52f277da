#pragma once

#include <QWidget>

namespace vok {

// The start-up picture: frameless, centred, on top, on the screen while the windows are created
// and the settings read. It asks for its own release when shown, so it goes at the event loop's
// first handling of pending events, right after the main window is up.
class TformSplash : public QWidget {
 public:
  TformSplash();
  // Shows and paints it at once, and queues its release.
  void showUntilTheLoopRuns();
};

}  // namespace vok
