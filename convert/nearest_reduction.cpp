#include "convert/nearest_reduction.h"

#include <vector>

namespace vok {

Raster ReduceNearest(const Raster& source, int width, int height) {
  Raster reduced(width, height, PixelFormat::kRgb24);
  std::vector<int> columns(static_cast<std::size_t>(width));
  for (int x = 0; x < width; ++x) columns[x] = nearestSourceIndex(x, width, source.width());

  for (int y = 0; y < height; ++y) {
    const std::uint8_t* in = source.row(nearestSourceIndex(y, height, source.height()));
    std::uint8_t* out = reduced.row(y);
    for (int x = 0; x < width; ++x, out += 3) {
      if (source.format() == PixelFormat::kIndexed8) {
        const PaletteEntry& entry = source.palette()[in[columns[x]]];
        out[0] = entry.red;
        out[1] = entry.green;
        out[2] = entry.blue;
      } else {
        const std::uint8_t* pixel = in + 3 * static_cast<std::size_t>(columns[x]);
        out[0] = pixel[0];
        out[1] = pixel[1];
        out[2] = pixel[2];
      }
    }
  }
  return reduced;
}

}  // namespace vok
