#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "codec/jpeg_decoder.h"
#include "codec/raster.h"
#include "convert/fit_to_box.h"

namespace vok {

// The eighths (1 to 8) of the full size to decode a picture of `width` x `height` at, so that a
// smooth reduction to `canvas` still starts from at least three times the canvas in both
// directions.
int smoothDecodeEighths(int width, int height, FittedSize canvas);

// Takes the rows of a scaled decode and reduces them with a Lanczos-3 filter to the canvas size:
// each row across as it comes, the columns down once every row is in (finish). Deterministic: the
// same bytes on every thread and every run.
class SmoothReducer : public RowConsumer {
 public:
  SmoothReducer(Raster& canvas, FittedSize size, int eighths)
      : canvas_(canvas), size_(size), eighths_(eighths) {}

  bool begin(const DecodedLayout& layout) noexcept override;
  std::int64_t memoryNeed(int width, int height) const noexcept override;
  int nextWantedRow(int row) const noexcept override { return row; }
  void takeRow(int y, const std::uint8_t* pixels) noexcept override;
  // Reduces the columns into the canvas, after the last row.
  void finish();

  // The taps of one output pixel: the first input index and one weight an input from there on.
  struct Taps {
    int first = 0;
    std::vector<float> weights;
  };

 private:
  Raster& canvas_;
  FittedSize size_;
  int eighths_;
  int inputHeight_ = 0;
  std::vector<Taps> across_;
  std::vector<float> rows_;  // each input row reduced across: canvas width x 3 floats a row
};

// Lanczos-3 taps for reducing `from` samples to `to`, normalised to sum 1 over the samples that
// exist (at the edges the filter is cut, not extended).
std::vector<SmoothReducer::Taps> lanczosTaps(int from, int to);

// The canvas turned and mirrored as the EXIF orientation says (1: unchanged).
Raster turnedUpright(const Raster& canvas, int orientation);

}  // namespace vok
