#pragma once

#include <string>
#include <vector>

namespace vok {

// The drive list of a system without drive letters: the mount points of its mounted volumes,
// "/" first.
std::vector<std::string> mountedVolumeRoots();
// The mount point among `roots` that holds `folder`: the longest one it lies under.
std::string volumeRootOf(const std::string& folder, const std::vector<std::string>& roots);

}  // namespace vok
