#pragma once

#include <cstdint>

#include "codec/raster.h"

namespace vok::test {

// A colour picture with detail in every row and column (so a wrong row or column shows), for
// tests that need a picture of a given size rather than particular pixels.
inline Raster texturedPicture(int width, int height) {
  Raster raster(width, height, PixelFormat::kRgb24);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < 3 * width; ++x) raster.row(y)[x] = static_cast<std::uint8_t>(x ^ y);
  }
  return raster;
}

}  // namespace vok::test
