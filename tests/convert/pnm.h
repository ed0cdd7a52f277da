#pragma once

#include <filesystem>

#include "codec/raster.h"

namespace vok::test {

// Reads a binary PGM (P5, as 8-bit greys) or PPM (P6) file as written by djpeg.
Raster readPnm(const std::filesystem::path& path);
// Writes a 24-bit raster as a binary PPM (P6) file for cjpeg.
void writePpm(const Raster& raster, const std::filesystem::path& path);

}  // namespace vok::test
