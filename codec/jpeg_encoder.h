#pragma once

#include <cstdint>
#include <vector>

#include "codec/raster.h"

namespace vok {

// Compresses a raster with the codec defaults: baseline JFIF, quality 90, float DCT, three
// components (an indexed raster is expanded through its palette). The result is the whole file.
// Throws JpegError or OutOfMemoryError; an empty raster is an Error.
std::vector<std::uint8_t> encodeJpeg(const Raster& raster);

}  // namespace vok
