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

// How the upright picture runs against the stored one: 2 mirrors, 3 turns half, 4 flips,
// 5 transposes, 6 turns a quarter clockwise, 7 transposes across the other diagonal, 8 turns a
// quarter anticlockwise.
struct OrientationAxes {
  bool quarterTurn = false;       // upright x picks the stored row, upright y the stored column
  bool columnsBackwards = false;  // stored columns are read from the right
  bool rowsBackwards = false;     // stored rows are read from the bottom
};

inline OrientationAxes orientationAxes(int orientation) {
  return {swapsSides(orientation),
          orientation == 2 || orientation == 3 || orientation == 7 || orientation == 8,
          orientation == 3 || orientation == 4 || orientation == 6 || orientation == 7};
}

}  // namespace vok
