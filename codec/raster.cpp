#include "codec/raster.h"

namespace vok {

void Raster::resize(int width, int height, PixelFormat format) {
  width_ = width;
  height_ = height;
  format_ = format;
  pixels_.assign(rowBytes() * static_cast<std::size_t>(height), 0);
}

Raster Raster::toRgb24() const {
  if (format_ == PixelFormat::kRgb24) return *this;
  Raster rgb(width_, height_, PixelFormat::kRgb24);
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* in = row(y);
    std::uint8_t* out = rgb.row(y);
    for (int x = 0; x < width_; ++x) {
      const PaletteEntry& entry = palette_[in[x]];
      *out++ = entry.red;
      *out++ = entry.green;
      *out++ = entry.blue;
    }
  }
  return rgb;
}

}  // namespace vok
