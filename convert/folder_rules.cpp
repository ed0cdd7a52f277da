#include "convert/folder_rules.h"

namespace vok {
namespace {

// The part of `thumbnail` below `original` without the separator between them: "" when equal,
// nothing when not inside.
std::optional<std::string_view> remainderBelow(std::string_view original,
                                               std::string_view thumbnail) {
  if (thumbnail == original) return std::string_view{};
  if (original.empty() || !thumbnail.starts_with(original)) return std::nullopt;
  std::string_view rest = thumbnail.substr(original.size());
  // Only the root ends in a separator; below any other folder the next character must be one,
  // so that "/photos2" does not count as inside "/photos".
  if (original.back() == '/') return rest;
  if (rest.front() != '/') return std::nullopt;
  return rest.substr(1);
}

}  // namespace

bool isInside(std::string_view original, std::string_view thumbnail) {
  return remainderBelow(original, thumbnail).has_value();
}

std::optional<int> depthBelow(std::string_view original, std::string_view thumbnail) {
  const auto rest = remainderBelow(original, thumbnail);
  if (!rest) return std::nullopt;
  int depth = 0;
  bool inComponent = false;
  for (const char c : *rest) {
    if (c == '/') {
      inComponent = false;
    } else if (!inComponent) {
      inComponent = true;
      ++depth;
    }
  }
  return depth;
}

std::string thumbnailOutsideMessage(std::string_view original) {
  return "Thumbnail directory must be under Original Dir(" + std::string(original) + ").";
}

ThumbnailFolderCheck checkThumbnailFolder(std::string_view original, std::string_view thumbnail) {
  const auto depth = depthBelow(original, thumbnail);
  if (!depth) return {ThumbnailFolderVerdict::kOutside, thumbnailOutsideMessage(original)};
  if (*depth > 1) {
    return {ThumbnailFolderVerdict::kTooDeep, std::string(kThumbnailTooDeepMessage)};
  }
  return {};
}

std::optional<std::string> relativeThumbnailFolder(std::string_view original,
                                                   std::string_view thumbnail) {
  const auto rest = remainderBelow(original, thumbnail);
  if (!rest) return std::nullopt;
  if (rest->empty()) return std::string{};
  return std::string(*rest) + "/";
}

}  // namespace vok
