#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "codec/raster.h"

namespace vok {

// What the frame header says, without decoding any pixel.
struct JpegHeader {
  int width = 0;
  int height = 0;
  int components = 0;
  bool greyscale = false;    // one component
  bool progressive = false;  // more than one scan
};

// The rows a decode delivers: their size, their format, and for indexed rows the palette.
struct DecodedLayout {
  int width = 0;
  int height = 0;
  PixelFormat format = PixelFormat::kRgb24;
  const PaletteEntry* palette = nullptr;
  int paletteSize = 0;
};

// Receives decoded rows top to bottom. Called from inside the JPEG library, so nothing may throw.
class RowConsumer {
 public:
  virtual ~RowConsumer() = default;
  // Before the first row. False when the consumer cannot hold the picture (out of memory).
  virtual bool begin(const DecodedLayout& layout) noexcept = 0;
  // The first row at or after `row` that the consumer needs; the height when it needs no more.
  virtual int nextWantedRow(int row) const noexcept = 0;
  virtual void takeRow(int y, const std::uint8_t* pixels) noexcept = 0;
};

// Limits that keep a small damaged or hostile file from exhausting the machine.
inline constexpr long kMaxLibraryMemory = 512L * 1024 * 1024;
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 28;

// Reads the header. Throws JpegError or OutOfMemoryError.
JpegHeader readJpegHeader(std::span<const std::uint8_t> data);

// Decodes at full size with the codec defaults and hands the rows to `consumer`. With
// `skipUnwantedRows` rows the consumer does not want are skipped instead of decoded where the
// result is the same (never for quantised output, whose dithering carries from row to row).
// Throws JpegError or OutOfMemoryError.
void decodeJpeg(std::span<const std::uint8_t> data, RowConsumer& consumer, bool skipUnwantedRows);

}  // namespace vok
