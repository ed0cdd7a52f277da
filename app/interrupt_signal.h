#pragma once

namespace vok {

// Ctrl+C (SIGINT) and SIGTERM ask the batch run to stop after the picture in hand, so that no
// thumbnail or catalog page is left half-written. A second signal ends the tool at once.
void catchInterrupts();
bool interruptRequested();

}  // namespace vok
