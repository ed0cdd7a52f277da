#pragma once

#include <string>

#include "common/message_sink.h"

namespace vok {

// The text of the version box: product, description, version, copyright and home page lines.
std::string versionBoxText();

// Opens a help document beside the program with the desktop's "open", without waiting for it.
// A missing document is reported with code 2, a desktop that cannot open it with 31.
void OpenHelpFile(const std::string& name, MessageSink& boxes);
void ReportShellError(int code, const std::string& name, MessageSink& boxes);

}  // namespace vok
