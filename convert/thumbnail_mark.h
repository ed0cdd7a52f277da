#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "convert/thumbnail_maker.h"

namespace vok {

// The revision of the rules that make a thumbnail's pixels; raised by every fix that changes
// them, so that a re-run that leaves up-to-date thumbnails alone remakes the old ones.
inline constexpr int kPixelRules = 1;

// What a thumbnail file records about how it was made, so that a later run can tell the program's
// own thumbnails from photographs. Nothing in it changes from run to run for the same picture.
struct ThumbnailMark {
  ThumbnailBox box;
  std::string sourceName;  // the picture's file name, without folder
  std::optional<std::int64_t> sourceBytes;
  std::optional<std::int64_t> sourceModifiedNs;
  // The values below are written only where they differ from a plain thumbnail's, so that a
  // plain thumbnail keeps its bytes.
  bool smooth = false;
  std::optional<int> orientation;  // the EXIF orientation applied, when turning was asked for
  int pixelRules = kPixelRules;

  bool operator==(const ThumbnailMark&) const = default;
};

// The mark of the picture at `sourcePath` made into `box`; the file's size and time are left out
// when it cannot be looked at.
ThumbnailMark markOf(const std::string& sourcePath, ThumbnailBox box);

// The mark a thumbnail file carries, or nothing when it carries none that can be read.
std::optional<ThumbnailMark> readMark(std::span<const std::uint8_t> jpeg);

// "program=Vok" and the other values, one "key=value" line each; bytes outside printable ASCII
// and the backslash are written as \xHH.
std::string markText(const ThumbnailMark& mark);

// The JPEG file with a comment segment carrying the mark right after its JFIF header (or after
// its start marker when it has none).
std::vector<std::uint8_t> withMark(std::span<const std::uint8_t> jpeg, const ThumbnailMark& mark);

// Whether a comment segment before the first scan carries a mark.
bool carriesMark(std::span<const std::uint8_t> jpeg);

// The file without its first marked comment segment: the bytes the encoder gave.
std::vector<std::uint8_t> withoutMark(std::span<const std::uint8_t> jpeg);

}  // namespace vok
