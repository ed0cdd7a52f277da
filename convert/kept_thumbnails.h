#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/spill_file.h"
#include "convert/file_stamp.h"
#include "convert/thumbnail_maker.h"

namespace vok {

struct KeepLimits {
  // Thumbnail files held in memory; the rest wait in a temporary file. Over a thousand
  // thumbnails of the default box: a usual folder never touches the disk.
  std::size_t memoryBytes = 16u << 20;
  // Where that file is made; empty: TMPDIR, or /tmp.
  std::string spillFolder;
};

// The thumbnails the size check made, waiting for the run that writes them. Only the thumbnail
// file is kept (a few kilobytes against the canvas's tens): the canvas is decoded from it again
// when it is taken, so a kept thumbnail shows the pixels of the file that the run writes. What
// does not fit in memory goes to a temporary file, so the memory stays bounded however many
// pictures the folder holds. Safe to use from several threads.
class KeptThumbnails {
 public:
  explicit KeptThumbnails(KeepLimits limits)
      : limits_(std::move(limits)), spill_(limits_.spillFolder) {}

  struct Taken {
    FileStamp stamp;  // of the file the thumbnail was made from
    PictureThumbnail thumbnail;
  };

  // Keeps a readable, encoded thumbnail of `path`, in place of any kept before. A thumbnail that
  // can be kept nowhere is dropped: it is made again when asked for.
  void keep(const std::string& path, const FileStamp& stamp, const ThumbnailRecipe& recipe,
            const PictureThumbnail& thumbnail);
  // Takes out what was kept for `path` by `recipe`; nothing when there is none or it cannot be
  // read back. The caller checks the stamp.
  std::optional<Taken> take(const std::string& path, const ThumbnailRecipe& recipe);
  // Drops what was kept for any path not in `paths`.
  void keepOnly(const std::vector<std::string>& paths);

  std::size_t memoryBytes() const;

 private:
  struct Entry {
    FileStamp stamp;
    ThumbnailRecipe recipe;
    int pictureWidth = 0;
    int pictureHeight = 0;
    int orientation = 1;
    std::vector<std::uint8_t> encoded;        // when held in memory
    std::optional<SpillFile::Piece> spilled;  // otherwise
  };

  void dropLocked(std::map<std::string, Entry>::iterator entry);

  const KeepLimits limits_;
  mutable std::mutex mutex_;
  std::map<std::string, Entry> entries_;
  std::size_t memoryBytes_ = 0;
  std::size_t spilledCount_ = 0;
  SpillFile spill_;
  bool spillFailed_ = false;
};

}  // namespace vok
