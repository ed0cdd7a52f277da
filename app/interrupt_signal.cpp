#include "app/interrupt_signal.h"

#include <unistd.h>

#include <csignal>

namespace vok {
namespace {

volatile std::sig_atomic_t interrupted = 0;

void noteInterrupt(int) {
  interrupted = 1;
  static constexpr char kNotice[] =
      "\nvok-batch: stopping after the current picture (press Ctrl+C again to end at once)\n";
  // write() is safe in a signal handler; whether it reached the terminal changes nothing.
  [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, kNotice, sizeof kNotice - 1);
}

}  // namespace

void catchInterrupts() {
  struct sigaction action = {};
  action.sa_handler = noteInterrupt;
  sigemptyset(&action.sa_mask);
  // The first signal is handled here; the next one takes the default action and ends the tool.
  action.sa_flags = SA_RESETHAND | SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

bool interruptRequested() {
  return interrupted != 0;
}

}  // namespace vok
