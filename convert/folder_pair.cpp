#include "convert/folder_pair.h"

#include <utility>

#include "convert/folder_rules.h"

namespace vok {

FolderPair::FolderPair(std::string original, bool autoDir, Hooks hooks)
    : original_(std::move(original)),
      thumbnail_(original_),
      autoDir_(autoDir),
      hooks_(std::move(hooks)) {}

void FolderPair::setOriginalFolder(std::string path) {
  original_ = std::move(path);
  originalChanged();
}

void FolderPair::setThumbnailFolder(std::string path) {
  thumbnail_ = std::move(path);
  thumbnailChanged();
}

void FolderPair::rereadThumbnailList() {
  thumbnailChanged();
}

void FolderPair::originalChanged() {
  if (!autoDir_) return;
  // Onto the Original folder itself, not a folder inside it: the check then passes.
  setThumbnailFolder(original_);
  rereadThumbnailList();
}

void FolderPair::thumbnailChanged() {
  if (hooks_.thumbnailListChanged) hooks_.thumbnailListChanged(thumbnail_);
  const auto check = checkThumbnailFolder(original_, thumbnail_);
  if (check.verdict == ThumbnailFolderVerdict::kAccepted) return;
  if (hooks_.warn) hooks_.warn(check.message);
  // The box may have let other events run; fall back to the Original folder as it is now.
  setThumbnailFolder(original_);
  rereadThumbnailList();
}

}  // namespace vok
