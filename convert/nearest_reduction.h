#pragma once

#include <cstdint>

#include "codec/raster.h"

namespace vok {

// The source index that destination index `index` of `destinationSize` copies from a source of
// `sourceSize`: the one under the centre of the destination pixel, floor((2i + 1) S / (2 D)).
inline int nearestSourceIndex(int index, int destinationSize, int sourceSize) {
  const std::int64_t numerator = (2 * std::int64_t{index} + 1) * sourceSize;
  return static_cast<int>(numerator / (2 * std::int64_t{destinationSize}));
}

// Reduces `source` to width x height (each at most the source's) by copying one source pixel
// into each destination pixel. The result is 24-bit colour whatever the source's format.
Raster ReduceNearest(const Raster& source, int width, int height);

}  // namespace vok
