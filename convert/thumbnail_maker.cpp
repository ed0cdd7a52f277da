#include "convert/thumbnail_maker.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "codec/exif_orientation.h"
#include "codec/jpeg_decoder.h"
#include "codec/jpeg_encoder.h"
#include "codec/picture_file.h"
#include "common/error.h"
#include "convert/fit_to_box.h"
#include "convert/nearest_reduction.h"
#include "convert/sampled_grid.h"
#include "convert/smooth_reduction.h"

namespace vok {
namespace {

// Samples the decoded rows straight into the thumbnail canvas, so that no full-size raster is
// ever held: only the rows the reduction reads are looked at. A turned picture fills canvas
// columns from stored rows.
class ReducingConsumer : public RowConsumer {
 public:
  ReducingConsumer(Raster& canvas, FittedSize size, int orientation)
      : canvas_(canvas), size_(size), orientation_(orientation) {}

  bool begin(const DecodedLayout& layout) noexcept override {
    try {
      canvas_.resize(size_.width, size_.height, PixelFormat::kRgb24);
      grid_ = sampledGrid(layout.width, layout.height, size_, orientation_);
      order_.resize(grid_.lineRows.size());
      for (std::size_t k = 0; k < order_.size(); ++k) order_[k] = static_cast<int>(k);
      std::sort(order_.begin(), order_.end(),
                [this](int a, int b) { return grid_.lineRows[a] < grid_.lineRows[b]; });
      if (grid_.linesAreColumns) line_.resize(grid_.columns.size() * 3);
    } catch (const std::bad_alloc&) {
      return false;
    }
    layout_ = layout;
    return true;
  }

  std::int64_t memoryNeed(int, int) const noexcept override {
    const std::int64_t lines = std::int64_t{size_.width} + size_.height;
    return std::int64_t{size_.width} * size_.height * 3 +
           static_cast<std::int64_t>(2 * sizeof(int) + 3) * lines;
  }

  int nextWantedRow(int row) const noexcept override {
    while (next_ < order_.size() && rowOf(next_) < row) ++next_;
    return next_ < order_.size() ? rowOf(next_) : layout_.height;
  }

  void takeRow(int y, const std::uint8_t* pixels) noexcept override {
    // The fit never enlarges, so distinct canvas lines read distinct stored rows.
    while (next_ < order_.size() && rowOf(next_) == y) {
      const int line = order_[next_];
      if (!grid_.linesAreColumns) {
        sampleRowNearest(pixels, layout_.format, layout_.palette, grid_.columns, canvas_.row(line));
      } else {
        sampleRowNearest(pixels, layout_.format, layout_.palette, grid_.columns, line_.data());
        for (int place = 0; place < size_.height; ++place)
          std::memcpy(canvas_.row(place) + 3 * line, line_.data() + 3 * place, 3);
      }
      ++next_;
    }
  }

 private:
  int rowOf(std::size_t position) const { return grid_.lineRows[order_[position]]; }

  Raster& canvas_;
  FittedSize size_;
  int orientation_;
  DecodedLayout layout_;
  SampledGrid grid_;
  std::vector<int> order_;  // canvas lines by the stored row they read
  std::vector<std::uint8_t> line_;
  mutable std::size_t next_ = 0;
};

// The smooth path: a scaled decode, a Lanczos reduction of the stored picture, and the small
// canvas turned upright (turning and a symmetric filter commute).
void makeSmoothly(PictureThumbnail& result, std::span<const std::uint8_t> bytes,
                  const JpegHeader& header, FittedSize upright) {
  const FittedSize stored =
      swapsSides(result.orientation) ? FittedSize{upright.height, upright.width} : upright;
  const int eighths = smoothDecodeEighths(header.width, header.height, stored);
  Raster storedCanvas;
  SmoothReducer reducer(storedCanvas, stored, eighths);
  decodeJpegScaled(bytes, reducer, eighths);
  reducer.finish();
  result.canvas = turnedUpright(storedCanvas, result.orientation);
}

void makeInto(PictureThumbnail& result, std::span<const std::uint8_t> bytes,
              const ThumbnailRecipe& recipe) {
  if (bytes.empty()) throw Error("The file is empty.");
  const JpegHeader header = readJpegHeader(bytes);
  // Everything after the decode sees the upright picture: its size, the fit, the pixels.
  result.orientation = recipe.autoOrient ? exifOrientationOf(bytes) : 1;
  const bool turned = swapsSides(result.orientation);
  result.pictureWidth = turned ? header.height : header.width;
  result.pictureHeight = turned ? header.width : header.height;
  if (!recipe.box) throw Error("The thumbnail box is not a whole number.");

  const FittedSize size =
      FitToBox(result.pictureWidth, result.pictureHeight, recipe.box->width, recipe.box->height);
  if (recipe.smooth) {
    makeSmoothly(result, bytes, header, size);
  } else {
    ReducingConsumer consumer(result.canvas, size, result.orientation);
    result.skippedRows = decodeJpeg(bytes, consumer, recipe.skipUnusedRows).skippedRows;
  }
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
