#include "convert/jpeg_file_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "codec/picture_file.h"

namespace vok {

std::vector<std::string> listJpegFiles(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::string name = entry.path().filename().string();
    if (entry.is_regular_file(error) && hasJpegExtension(name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace vok
