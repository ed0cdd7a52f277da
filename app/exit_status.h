#pragma once

#include "convert/run_summary.h"

namespace vok {

// Exit statuses of the batch tool. Where several apply, kExitStopped wins over
// kExitSomeNotConverted and that over kExitNothingToConvert.
enum ExitCode : int {
  kExitDone = 0,              // every selected picture larger than the ignore size converted
  kExitSomeNotConverted = 1,  // some unreadable, or a photograph kept at a thumbnail's path
  kExitUsage = 2,             // wrong command line, a missing folder included
  kExitStopped = 3,           // the run or the tool stopped on an error
  kExitNothingToConvert = 4,  // refused by the run's checks, or every picture too small
  kExitInterrupted = 130,     // Ctrl+C or closing the window ended the run after a picture
};

// The status a finished, refused or stopped run gives.
int exitStatusOf(const RunSummary& summary);

}  // namespace vok
