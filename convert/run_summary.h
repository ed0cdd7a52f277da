#pragma once

#include <exception>

namespace vok {

// What one conversion run did.
struct RunSummary {
  enum class Outcome {
    kIgnored,   // asked for while a run was going on
    kRefused,   // a check before the loop ended it: no affix, nothing (left) selected
    kFinished,  // the loop visited every entry and the catalog was closed
    kStopped,   // an error ended it; `error` holds it
    // The host asked it to stop: it ended after the picture in hand, the catalog closed.
    kInterrupted,
  };
  Outcome outcome = Outcome::kIgnored;
  int selected = 0;    // selected when the run started
  int converted = 0;   // thumbnails written
  int unreadable = 0;  // found corrupt by the size check or in the loop
  int tooSmall = 0;    // not larger than the ignore size
  int kept = 0;        // a photograph at the thumbnail's path was left as it was
  int pagesWritten = 0;
  // The error that stopped the run. The host hands it to its general error handler.
  std::exception_ptr error;

  bool stopped() const { return outcome == Outcome::kStopped; }
  bool interrupted() const { return outcome == Outcome::kInterrupted; }
  void rethrowError() const {
    if (error) std::rethrow_exception(error);
  }
};

}  // namespace vok
