#include "convert/thumbnail_maker.h"

#include <new>

#include "codec/jpeg_decoder.h"
#include "codec/jpeg_encoder.h"
#include "codec/picture_file.h"
#include "common/error.h"
#include "convert/fit_to_box.h"
#include "convert/nearest_reduction.h"

namespace vok {
namespace {

// Samples the decoded rows straight into the thumbnail canvas, so that no full-size raster is
// ever held: only the rows the reduction reads are looked at.
class ReducingConsumer : public RowConsumer {
 public:
  ReducingConsumer(Raster& canvas, FittedSize size) : canvas_(canvas), size_(size) {}

  bool begin(const DecodedLayout& layout) noexcept override {
    try {
      canvas_.resize(size_.width, size_.height, PixelFormat::kRgb24);
      columns_.resize(static_cast<std::size_t>(size_.width));
      rows_.resize(static_cast<std::size_t>(size_.height));
    } catch (const std::bad_alloc&) {
      return false;
    }
    for (int x = 0; x < size_.width; ++x) {
      columns_[x] = nearestSourceIndex(x, size_.width, layout.width);
    }
    for (int y = 0; y < size_.height; ++y) {
      rows_[y] = nearestSourceIndex(y, size_.height, layout.height);
    }
    layout_ = layout;
    return true;
  }

  std::int64_t memoryNeed(int, int) const noexcept override {
    return std::int64_t{size_.width} * size_.height * 3 +
           static_cast<std::int64_t>(sizeof(int)) * (size_.width + size_.height);
  }

  int nextWantedRow(int row) const noexcept override {
    while (next_ < rows_.size() && rows_[next_] < row) ++next_;
    return next_ < rows_.size() ? rows_[next_] : layout_.height;
  }

  void takeRow(int y, const std::uint8_t* pixels) noexcept override {
    // The fit never enlarges, so distinct canvas rows read distinct source rows.
    while (next_ < rows_.size() && rows_[next_] == y) {
      sampleRowNearest(pixels, layout_.format, layout_.palette, columns_,
                       canvas_.row(static_cast<int>(next_)));
      ++next_;
    }
  }

 private:
  Raster& canvas_;
  FittedSize size_;
  DecodedLayout layout_;
  std::vector<int> columns_;
  std::vector<int> rows_;
  mutable std::size_t next_ = 0;
};

void makeInto(PictureThumbnail& result, std::span<const std::uint8_t> bytes,
              const ThumbnailRecipe& recipe) {
  if (bytes.empty()) throw Error("The file is empty.");
  const JpegHeader header = readJpegHeader(bytes);
  result.pictureWidth = header.width;
  result.pictureHeight = header.height;
  if (!recipe.box) throw Error("The thumbnail box is not a whole number.");

  const FittedSize size =
      FitToBox(header.width, header.height, recipe.box->width, recipe.box->height);
  ReducingConsumer consumer(result.canvas, size);
  result.skippedRows = decodeJpeg(bytes, consumer, recipe.skipUnusedRows).skippedRows;
  if (recipe.encode) result.encoded = encodeJpeg(result.canvas);
  result.readable = true;
}

// Runs `make` and turns any failure into an unreadable result.
template <typename Make>
PictureThumbnail guarded(Make make) {
  PictureThumbnail result;
  try {
    make(result);
  } catch (const std::exception& error) {
    result.readable = false;
    result.failure = error.what();
    result.canvas = Raster();
    result.encoded.clear();
    result.skippedRows = 0;
  }
  return result;
}

}  // namespace

PictureThumbnail makeThumbnail(const std::string& path, const ThumbnailRecipe& recipe) {
  return guarded([&](PictureThumbnail& result) {
    requireJpegExtension(path);
    makeInto(result, readPictureFile(path), recipe);
  });
}

PictureThumbnail makeThumbnail(std::span<const std::uint8_t> bytes, const ThumbnailRecipe& recipe) {
  return guarded([&](PictureThumbnail& result) { makeInto(result, bytes, recipe); });
}

}  // namespace vok
