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
  // The memory `begin` will take for a picture of this size, reserved with the library's.
  virtual std::int64_t memoryNeed(int width, int height) const noexcept = 0;
  // The first row at or after `row` that the consumer needs; the height when it needs no more.
  virtual int nextWantedRow(int row) const noexcept = 0;
  virtual void takeRow(int y, const std::uint8_t* pixels) noexcept = 0;
};

// A picture of up to this many pixels decodes whatever the file's size. Beyond it, and for the
// memory a decode needs beyond kUnquestionedMemory, the file must be large enough to hold such a
// picture: a Huffman-coded file spends at least one bit on every 8 x 8 block, which is 1024
// bytes of coefficient memory or 512 pixels of a component. So a tiny file that declares an
// enormous picture fails at once instead of taking the machine's memory and time. (Arithmetic
// coding can spend less; a flat arithmetic-coded picture beyond these sizes is refused.)
inline constexpr std::int64_t kUnquestionedPixels = std::int64_t{1} << 26;
inline constexpr std::int64_t kUnquestionedMemory = std::int64_t{256} << 20;
inline constexpr std::int64_t kPixelsPerFileByte = 512;
inline constexpr std::int64_t kMemoryPerFileByte = 1024;

// What one decode did.
struct DecodeStats {
  int skippedRows = 0;             // rows passed over without being decoded to pixels
  std::int64_t reservedBytes = 0;  // taken from the decode memory budget while it ran
};

// Reads the header. Throws JpegError or OutOfMemoryError.
JpegHeader readJpegHeader(std::span<const std::uint8_t> data);

// Decodes at full size with the codec defaults and hands the rows to `consumer`. With
// `skipUnwantedRows` rows the consumer does not want are skipped instead of decoded where the
// result is the same. The whole file is always read to its end, so whether it fails does not
// depend on which rows were wanted. Before decoding, the decode's whole memory need is reserved
// from decodeMemoryBudget(), waiting while other decodes hold it. Only JPEG files of one
// (grey), three (colour) or four (CMYK) components are decoded. Throws JpegError or
// OutOfMemoryError.
DecodeStats decodeJpeg(std::span<const std::uint8_t> data, RowConsumer& consumer,
                       bool skipUnwantedRows);

// Decodes at `eighths`/8 of the full size (1 to 8) into full 24-bit colour whatever the codec
// defaults say: no palette, a greyscale picture as its 256 greys. Every row is delivered.
// Throws as decodeJpeg does.
DecodeStats decodeJpegScaled(std::span<const std::uint8_t> data, RowConsumer& consumer,
                             int eighths);

}  // namespace vok
