#include "convert/kept_thumbnails.h"

#include <unordered_set>

#include "codec/jpeg_codec.h"

namespace vok {

void KeptThumbnails::keep(const std::string& path, const FileStamp& stamp,
                          const ThumbnailRecipe& recipe, const PictureThumbnail& thumbnail) {
  if (!thumbnail.readable || thumbnail.encoded.empty()) return;
  Entry entry{stamp, recipe, thumbnail.pictureWidth, thumbnail.pictureHeight, thumbnail.orientation,
              {},    {}};
  std::lock_guard lock(mutex_);
  if (auto old = entries_.find(path); old != entries_.end()) dropLocked(old);
  if (memoryBytes_ + thumbnail.encoded.size() <= limits_.memoryBytes) {
    entry.encoded = thumbnail.encoded;
    memoryBytes_ += entry.encoded.size();
  } else {
    if (spillFailed_) return;
    try {
      entry.spilled = spill_.append(thumbnail.encoded);
    } catch (const std::exception&) {
      spillFailed_ = true;  // say a full disk: the rest is made again instead
      return;
    }
    ++spilledCount_;
  }
  entries_.emplace(path, std::move(entry));
}

std::optional<KeptThumbnails::Taken> KeptThumbnails::take(const std::string& path,
                                                          const ThumbnailRecipe& recipe) {
  Taken taken;
  PictureThumbnail& thumbnail = taken.thumbnail;
  {
    std::lock_guard lock(mutex_);
    const auto found = entries_.find(path);
    if (found == entries_.end()) return std::nullopt;
    const Entry& entry = found->second;
    if (!(entry.recipe == recipe)) {
      dropLocked(found);
      return std::nullopt;
    }
    taken.stamp = entry.stamp;
    thumbnail.pictureWidth = entry.pictureWidth;
    thumbnail.pictureHeight = entry.pictureHeight;
    thumbnail.orientation = entry.orientation;
    try {
      // Read under the lock: the file may be emptied as soon as its last piece is dropped.
      thumbnail.encoded = entry.spilled ? spill_.read(*entry.spilled) : entry.encoded;
    } catch (const std::exception&) {
      dropLocked(found);
      return std::nullopt;
    }
    dropLocked(found);
  }
  try {
    thumbnail.canvas = decodeRaster(thumbnail.encoded);
  } catch (const std::exception&) {
    return std::nullopt;
  }
  thumbnail.readable = true;
  return taken;
}

void KeptThumbnails::keepOnly(const std::vector<std::string>& paths) {
  const std::unordered_set<std::string> wanted(paths.begin(), paths.end());
  std::lock_guard lock(mutex_);
  for (auto entry = entries_.begin(); entry != entries_.end();) {
    const auto next = std::next(entry);
    if (!wanted.count(entry->first)) dropLocked(entry);
    entry = next;
  }
}

std::size_t KeptThumbnails::memoryBytes() const {
  std::lock_guard lock(mutex_);
  return memoryBytes_;
}

void KeptThumbnails::dropLocked(std::map<std::string, Entry>::iterator entry) {
  memoryBytes_ -= entry->second.encoded.size();
  if (entry->second.spilled && --spilledCount_ == 0) spill_.clear();
  entries_.erase(entry);
}

}  // namespace vok
