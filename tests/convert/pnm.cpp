#include "pnm.h"

#include <fstream>
#include <stdexcept>

namespace vok::test {

Raster readPnm(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int width = 0, height = 0, maximum = 0;
  in >> magic >> width >> height >> maximum;
  in.get();  // the single blank after the header
  if (!in || (magic != "P5" && magic != "P6") || maximum != 255) {
    throw std::runtime_error("not a PNM file djpeg writes: " + path.string());
  }
  const bool grey = magic == "P5";
  Raster raster(width, height, PixelFormat::kRgb24);
  std::vector<char> row(static_cast<std::size_t>(width) * (grey ? 1 : 3));
  for (int y = 0; y < height; ++y) {
    in.read(row.data(), static_cast<std::streamsize>(row.size()));
    std::uint8_t* out = raster.row(y);
    for (int x = 0; x < width; ++x) {
      for (int c = 0; c < 3; ++c) {
        out[3 * x + c] = static_cast<std::uint8_t>(row[grey ? x : 3 * x + c]);
      }
    }
  }
  if (!in) throw std::runtime_error("short PNM file: " + path.string());
  return raster;
}

void writePpm(const Raster& raster, const std::filesystem::path& path) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << raster.width() << ' ' << raster.height() << "\n255\n";
  for (int y = 0; y < raster.height(); ++y) {
    out.write(reinterpret_cast<const char*>(raster.row(y)),
              static_cast<std::streamsize>(raster.rowBytes()));
  }
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace vok::test
