#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "codec/raster.h"

namespace vok {

struct ThumbnailBox {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const ThumbnailBox&) const = default;
};

// Everything the work on one picture gives. It depends only on the file's content and the box,
// so it can be made ahead of time on another thread.
struct PictureThumbnail {
  bool readable = false;  // false: the file could not be read or decoded
  std::string failure;    // the reason, when not readable
  int pictureWidth = 0;   // the picture's size from its header, upright when turned
  int pictureHeight = 0;
  int orientation = 1;                // the EXIF orientation applied (1: as stored)
  Raster canvas;                      // the fitted, reduced picture, 24-bit colour
  std::vector<std::uint8_t> encoded;  // the canvas as a thumbnail JPEG file
  int skippedRows = 0;                // source rows the decode passed over
};

struct ThumbnailRecipe {
  // No box (its field text was not a number) makes every picture unreadable.
  std::optional<ThumbnailBox> box;
  // Skip decoding source rows that the reduction never reads, where that gives the same pixels.
  bool skipUnusedRows = true;
  // Also compress the canvas into `encoded`.
  bool encode = true;
  // Turn the picture upright as its EXIF Orientation tag says before it is fitted.
  bool autoOrient = false;
  // Reduce with a Lanczos filter after a scaled decode, instead of the exact sampling.
  bool smooth = false;

  bool operator==(const ThumbnailRecipe&) const = default;
};

// Reads, decodes, fits, reduces and (optionally) encodes one picture. Never throws for a bad
// file: that is a result, with `readable` false.
PictureThumbnail makeThumbnail(const std::string& path, const ThumbnailRecipe& recipe);
// The same for the bytes of a JPEG file held in memory.
PictureThumbnail makeThumbnail(std::span<const std::uint8_t> bytes, const ThumbnailRecipe& recipe);

}  // namespace vok
