#include "app/interrupt_signal.h"

#include <gtest/gtest.h>

#include <csignal>

namespace vok {
namespace {

// The first Ctrl+C only asks the run to stop, and says so; the second ends the tool at once.
TEST(InterruptSignalDeathTest, FirstAsksToStopSecondEnds) {
  EXPECT_EXIT(
      {
        catchInterrupts();
        std::raise(SIGINT);
        if (interruptRequested()) std::raise(SIGINT);
        std::_Exit(0);
      },
      testing::KilledBySignal(SIGINT), "stopping after the current picture");
}

}  // namespace
}  // namespace vok
