#pragma once

#include <optional>
#include <string>

#include "common/message_sink.h"

namespace vok {

// The text of the version box: product, description, version, copyright and home page lines.
std::string versionBoxText();

// Opens a help document beside the program with the desktop's "open", without waiting for it.
// A missing document is reported with code 2, a desktop that cannot open it with 31.
void OpenHelpFile(const std::string& name, MessageSink& boxes);

// Where the help document `name` lies: beside the program (as in the build tree), else in
// ../share/vok/ from the program's folder (as installed); nothing when in neither place.
std::optional<std::string> findHelpFile(const std::string& programFolder, const std::string& name);
void ReportShellError(int code, const std::string& name, MessageSink& boxes);

}  // namespace vok
