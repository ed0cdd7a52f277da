#pragma once

#include "app/batch_options.h"

namespace vok {

// The unattended run: folders from the arguments under the folder rule, every JPEG file of the
// Original folder selected, the conversion run, and an exit code.
int runBatch(const BatchOptions& batch);

}  // namespace vok
