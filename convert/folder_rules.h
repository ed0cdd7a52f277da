#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vok {

// The thumbnail folder must be the Original folder itself or a folder directly inside it, because
// the catalog pages in the Original folder link to the thumbnails by a one-step relative path.
//
// Paths are full paths as the folder lists give them: "/" separated, no trailing "/" except the
// root "/", compared exactly (letter case included).

// True when `thumbnail` is `original` or lies anywhere below it. "/photos2" is not inside
// "/photos".
bool isInside(std::string_view original, std::string_view thumbnail);

// The number of path components of `thumbnail` after `original` (0 when equal), or nothing when
// `thumbnail` is not inside `original`.
std::optional<int> depthBelow(std::string_view original, std::string_view thumbnail);

enum class ThumbnailFolderVerdict {
  kAccepted,
  kOutside,  // not inside the Original folder
  kTooDeep,  // inside, but more than one level down
};

struct ThumbnailFolderCheck {
  ThumbnailFolderVerdict verdict = ThumbnailFolderVerdict::kAccepted;
  std::string message;  // empty when accepted
};

inline constexpr std::string_view kThumbnailTooDeepMessage =
    "Thumbnail directory is too deep.  Only one level lower directory is permitted.";

std::string thumbnailOutsideMessage(std::string_view original);

ThumbnailFolderCheck checkThumbnailFolder(std::string_view original, std::string_view thumbnail);

// The thumbnail folder as the catalog links to it from the Original folder: the part of
// `thumbnail` after `original` and its separator, followed by "/"; empty when the two are the same.
// Nothing when `thumbnail` is not inside `original` (possible when Auto Dir is off and only the
// Original folder moved), since no relative link from the catalog would reach it.
std::optional<std::string> relativeThumbnailFolder(std::string_view original,
                                                   std::string_view thumbnail);

}  // namespace vok
