#pragma once

#include <cstdint>
#include <span>

#include "codec/raster.h"

namespace vok {

// The source index that destination index `index` of `destinationSize` copies from a source of
// `sourceSize`: the one under the centre of the destination pixel, floor((2i + 1) S / (2 D)).
inline int nearestSourceIndex(int index, int destinationSize, int sourceSize) {
  const std::int64_t numerator = (2 * std::int64_t{index} + 1) * sourceSize;
  return static_cast<int>(numerator / (2 * std::int64_t{destinationSize}));
}

// Fills one 24-bit destination row from one source row: destination pixel x copies source pixel
// columns[x]. An indexed source row is expanded through `palette`.
void sampleRowNearest(const std::uint8_t* in, PixelFormat format, const PaletteEntry* palette,
                      std::span<const int> columns, std::uint8_t* out) noexcept;

}  // namespace vok
