#pragma once

#include <string>
#include <vector>

namespace vok {

// The JPEG files of a folder as every host lists them: regular files (or links to them) named
// "*.jpg" or "*.jpeg" in any letter case, by byte order of their names. This order is the run's
// order and the catalog's. An unreadable or missing folder lists nothing.
std::vector<std::string> listJpegFiles(const std::string& folder);

}  // namespace vok
