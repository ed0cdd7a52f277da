#include "settings/key_path.h"

#include <algorithm>

namespace vok {
namespace {

char foldCase(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::vector<std::string> splitKeyPath(std::string_view path) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find('\\', start), path.size());
    if (end > start) names.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

std::string joinKeyPath(const std::vector<std::string>& names) {
  if (names.empty()) return "\\";
  std::string path;
  for (const auto& name : names) path += "\\" + name;
  return path;
}

std::string subkeyPath(std::string_view path, std::string_view section) {
  std::string result(path);
  if (result.empty() || result.back() != '\\') result += '\\';
  result += section;
  return result;
}

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return foldCase(x) == foldCase(y);
         });
}

bool NameLess::operator()(std::string_view a, std::string_view b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(foldCase(x)) < static_cast<unsigned char>(foldCase(y));
  });
}

}  // namespace vok
