#include "catalog/catalog_settings.h"

namespace vok {

std::vector<std::string> headBlockLines(std::string_view block) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < block.size(); ++i) {
    const char c = block[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < block.size() && block[i + 1] == '\n') ++i;
    lines.push_back(std::move(line));
    line.clear();
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

}  // namespace vok
