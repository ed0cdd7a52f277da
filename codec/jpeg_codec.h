#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "codec/jpeg_decoder.h"
#include "codec/raster.h"

namespace vok {

// The program's access to JPEG files: a decoded picture at full size, or a raster written as a
// thumbnail file.
class JpegCodec {
 public:
  // Reads the file whole and its header. Throws InvalidGraphicError (not a JPEG name),
  // FileOpenError, JpegError or OutOfMemoryError. An empty file reads as 0 x 0 and fails when
  // its pixels are asked for.
  void decodeFile(const std::string& path);

  int width() const { return header_.width; }
  int height() const { return header_.height; }
  bool isGreyscale() const { return header_.greyscale; }
  bool isProgressive() const { return header_.progressive; }

  // The decoded picture; decoded on first use. Throws JpegError or OutOfMemoryError.
  const Raster& raster();

  // Writes the raster as a JPEG file in place of whatever is at `path`; on failure the file at
  // `path` is left as it was. Throws FileWriteError, JpegError, OutOfMemoryError or Error.
  static void encodeFile(const Raster& raster, const std::string& path);

 private:
  std::vector<std::uint8_t> bytes_;
  JpegHeader header_;
  std::optional<Raster> raster_;
};

// Decodes a whole JPEG file held in memory, as JpegCodec does. Throws JpegError or
// OutOfMemoryError.
Raster decodeRaster(std::span<const std::uint8_t> bytes);

}  // namespace vok
