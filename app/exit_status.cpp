#include "app/exit_status.h"

namespace vok {

int exitStatusOf(const RunSummary& summary) {
  if (summary.stopped()) return kExitStopped;
  if (summary.interrupted()) return kExitInterrupted;
  if (summary.unreadable > 0 || summary.kept > 0) return kExitSomeNotConverted;
  // With the catalog on, a selection of pictures that are all too small ends at the size check
  // (refused); without it the loop finds each one too small.
  if (summary.outcome != RunSummary::Outcome::kFinished) return kExitNothingToConvert;
  if (summary.selected > 0 && summary.tooSmall == summary.selected) return kExitNothingToConvert;
  return kExitDone;
}

}  // namespace vok
