#pragma once

#include <cstdint>
#include <span>

namespace vok {

// The EXIF Orientation tag of a JPEG file held in memory: 1 (as stored) to 8. A file without the
// tag, or with a damaged or out-of-range one, gives 1: a tag never makes a picture unreadable.
// Only the segments before the first scan are looked at.
int exifOrientationOf(std::span<const std::uint8_t> jpeg) noexcept;

// Whether the orientation turns the picture a quarter, so that width and height swap.
inline bool swapsSides(int orientation) {
  return orientation >= 5 && orientation <= 8;
}

}  // namespace vok
