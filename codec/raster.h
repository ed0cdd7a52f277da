#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vok {

enum class PixelFormat {
  kRgb24,     // three bytes a pixel: red, green, blue
  kIndexed8,  // one byte a pixel, an index into the palette
};

struct PaletteEntry {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const PaletteEntry&) const = default;
};

// An in-memory picture: rows top first, no padding between rows.
class Raster {
 public:
  Raster() = default;
  Raster(int width, int height, PixelFormat format) { resize(width, height, format); }

  // Gives the raster a new size and format; the pixels are zero afterwards.
  void resize(int width, int height, PixelFormat format);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ == 0 || height_ == 0; }
  PixelFormat format() const { return format_; }
  int bytesPerPixel() const { return format_ == PixelFormat::kRgb24 ? 3 : 1; }
  std::size_t rowBytes() const {
    return static_cast<std::size_t>(width_) * static_cast<std::size_t>(bytesPerPixel());
  }

  std::uint8_t* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * rowBytes(); }
  const std::uint8_t* row(int y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * rowBytes();
  }
  const std::vector<std::uint8_t>& pixels() const { return pixels_; }

  std::array<PaletteEntry, 256>& palette() { return palette_; }
  const std::array<PaletteEntry, 256>& palette() const { return palette_; }
  int paletteSize() const { return paletteSize_; }
  void setPaletteSize(int size) { paletteSize_ = size; }

  // The same picture as 24-bit colour; an indexed raster is expanded through its palette.
  Raster toRgb24() const;

  bool operator==(const Raster&) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  PixelFormat format_ = PixelFormat::kRgb24;
  std::vector<std::uint8_t> pixels_;
  std::array<PaletteEntry, 256> palette_{};
  int paletteSize_ = 0;
};

}  // namespace vok
