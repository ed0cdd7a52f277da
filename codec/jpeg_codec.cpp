#include "codec/jpeg_codec.h"

#include <jerror.h>

#include <algorithm>
#include <new>

#include "codec/codec_errors.h"
#include "codec/jpeg_encoder.h"
#include "codec/picture_file.h"
#include "common/atomic_file.h"

namespace vok {
namespace {

// Keeps every row of the picture.
class FullRasterConsumer : public RowConsumer {
 public:
  explicit FullRasterConsumer(Raster& raster) : raster_(raster) {}

  bool begin(const DecodedLayout& layout) noexcept override {
    try {
      raster_.resize(layout.width, layout.height, layout.format);
    } catch (const std::bad_alloc&) {
      return false;
    }
    for (int i = 0; i < layout.paletteSize; ++i) raster_.palette()[i] = layout.palette[i];
    raster_.setPaletteSize(layout.paletteSize);
    return true;
  }
  std::int64_t memoryNeed(int width, int height) const noexcept override {
    return std::int64_t{width} * height * 3;
  }
  int nextWantedRow(int row) const noexcept override { return row; }
  void takeRow(int y, const std::uint8_t* pixels) noexcept override {
    std::copy(pixels, pixels + raster_.rowBytes(), raster_.row(y));
  }

 private:
  Raster& raster_;
};

}  // namespace

void JpegCodec::decodeFile(const std::string& path) {
  requireJpegExtension(path);
  std::vector<std::uint8_t> bytes = readPictureFile(path);
  const JpegHeader header = bytes.empty() ? JpegHeader{} : readJpegHeader(bytes);
  // Only a load that got this far replaces the previous picture.
  bytes_ = std::move(bytes);
  header_ = header;
  raster_.reset();
}

const Raster& JpegCodec::raster() {
  if (!raster_) {
    if (bytes_.empty()) throw JpegError(JERR_INPUT_EMPTY);
    raster_ = decodeRaster(bytes_);
  }
  return *raster_;
}

Raster decodeRaster(std::span<const std::uint8_t> bytes) {
  Raster decoded;
  FullRasterConsumer consumer(decoded);
  decodeJpeg(bytes, consumer, false);
  return decoded;
}

void JpegCodec::encodeFile(const Raster& raster, const std::string& path) {
  writeFileAtomically(path, encodeJpeg(raster));
}

}  // namespace vok
