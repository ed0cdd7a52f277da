#include "catalog/page_file_name.h"

namespace vok {

std::string pageFileName(const std::string& indexName, const std::string& indexExt, int page) {
  const std::string number = page > 1 ? std::to_string(page) : "";
  return indexName + number + "." + indexExt;
}

std::string pathInFolder(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

}  // namespace vok
