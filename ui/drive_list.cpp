#include "ui/drive_list.h"

#include <QStorageInfo>
#include <algorithm>

namespace vok {

std::vector<std::string> mountedVolumeRoots() {
  std::vector<std::string> roots{"/"};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady()) continue;
    const std::string root = volume.rootPath().toStdString();
    if (std::find(roots.begin(), roots.end(), root) == roots.end()) roots.push_back(root);
  }
  std::sort(roots.begin() + 1, roots.end());
  return roots;
}

std::string volumeRootOf(const std::string& folder, const std::vector<std::string>& roots) {
  std::string best = "/";
  for (const std::string& root : roots) {
    const bool holds = folder == root || (folder.rfind(root + "/", 0) == 0);
    if (holds && root.size() > best.size()) best = root;
  }
  return best;
}

}  // namespace vok
