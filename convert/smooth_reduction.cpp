#include "convert/smooth_reduction.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "codec/exif_orientation.h"

namespace vok {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kLobes = 3;
// How many times the thumbnail's size the scaled decode must leave: the library's scaled
// decode is little better than a box filter, so the Lanczos filter needs room to do the rest.
constexpr std::int64_t kHeadroom = 3;

double sinc(double x) {
  if (x == 0) return 1;
  return std::sin(kPi * x) / (kPi * x);
}

double lanczos(double x) {
  return std::abs(x) < kLobes ? sinc(x) * sinc(x / kLobes) : 0;
}

std::uint8_t toByte(float value) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

}  // namespace

int smoothDecodeEighths(int width, int height, FittedSize canvas) {
  for (const int eighths : {1, 2, 4}) {
    // The library's scaled size: rounded up.
    const std::int64_t scaledWidth = (std::int64_t{width} * eighths + 7) / 8;
    const std::int64_t scaledHeight = (std::int64_t{height} * eighths + 7) / 8;
    if (scaledWidth >= kHeadroom * std::int64_t{canvas.width} &&
        scaledHeight >= kHeadroom * std::int64_t{canvas.height})
      return eighths;
  }
  return 8;
}

std::vector<SmoothReducer::Taps> lanczosTaps(int from, int to) {
  std::vector<SmoothReducer::Taps> taps(static_cast<std::size_t>(to));
  const double scale = std::max(1.0, static_cast<double>(from) / to);  // never enlarges
  const double support = kLobes * scale;
  for (int i = 0; i < to; ++i) {
    const double centre = (i + 0.5) * from / to - 0.5;
    const int first = std::max(0, static_cast<int>(std::floor(centre - support)) + 1);
    const int last = std::min(from - 1, static_cast<int>(std::ceil(centre + support)) - 1);
    std::vector<double> weights;
    double sum = 0;
    for (int j = first; j <= last; ++j) {
      weights.push_back(lanczos((j - centre) / scale));
      sum += weights.back();
    }
    SmoothReducer::Taps& tap = taps[static_cast<std::size_t>(i)];
    tap.first = first;
    for (const double weight : weights) tap.weights.push_back(static_cast<float>(weight / sum));
  }
  return taps;
}

bool SmoothReducer::begin(const DecodedLayout& layout) noexcept {
  if (layout.format != PixelFormat::kRgb24) return false;
  try {
    canvas_.resize(size_.width, size_.height, PixelFormat::kRgb24);
    across_ = lanczosTaps(layout.width, size_.width);
    rows_.assign(static_cast<std::size_t>(layout.height) * size_.width * 3, 0.0f);
  } catch (const std::bad_alloc&) {
    return false;
  }
  inputHeight_ = layout.height;
  return true;
}

std::int64_t SmoothReducer::memoryNeed(int width, int height) const noexcept {
  const std::int64_t scaledHeight = (std::int64_t{height} * eighths_ + 7) / 8;
  const std::int64_t scaledWidth = (std::int64_t{width} * eighths_ + 7) / 8;
  const std::int64_t taps =
      (std::int64_t{size_.width} + size_.height) * 8 + (scaledWidth + scaledHeight) * 4 * 2;
  return scaledHeight * size_.width * 3 * std::int64_t{sizeof(float)} +
         std::int64_t{size_.width} * size_.height * 3 + taps;
}

void SmoothReducer::takeRow(int y, const std::uint8_t* pixels) noexcept {
  float* out = rows_.data() + static_cast<std::size_t>(y) * size_.width * 3;
  for (const Taps& tap : across_) {
    float r = 0, g = 0, b = 0;
    const std::uint8_t* in = pixels + 3 * tap.first;
    for (const float weight : tap.weights) {
      r += weight * in[0];
      g += weight * in[1];
      b += weight * in[2];
      in += 3;
    }
    out[0] = r;
    out[1] = g;
    out[2] = b;
    out += 3;
  }
}

void SmoothReducer::finish() {
  const std::vector<Taps> down = lanczosTaps(inputHeight_, size_.height);
  const std::size_t rowFloats = static_cast<std::size_t>(size_.width) * 3;
  std::vector<float> sums(rowFloats);
  for (int y = 0; y < size_.height; ++y) {
    const Taps& tap = down[static_cast<std::size_t>(y)];
    std::fill(sums.begin(), sums.end(), 0.0f);
    for (std::size_t k = 0; k < tap.weights.size(); ++k) {
      const float* in = rows_.data() + (tap.first + k) * rowFloats;
      for (std::size_t i = 0; i < rowFloats; ++i) sums[i] += tap.weights[k] * in[i];
    }
    std::uint8_t* out = canvas_.row(y);
    for (std::size_t i = 0; i < rowFloats; ++i) out[i] = toByte(sums[i]);
  }
}

Raster turnedUpright(const Raster& canvas, int orientation) {
  if (orientation <= 1 || orientation > 8) return canvas;
  const OrientationAxes axes = orientationAxes(orientation);
  const int w = canvas.width(), h = canvas.height();
  Raster upright(axes.quarterTurn ? h : w, axes.quarterTurn ? w : h, PixelFormat::kRgb24);
  for (int y = 0; y < upright.height(); ++y) {
    for (int x = 0; x < upright.width(); ++x) {
      // The stored pixel that shows at (x, y) once upright.
      const int column = axes.quarterTurn ? y : x;
      const int row = axes.quarterTurn ? x : y;
      const int sx = axes.columnsBackwards ? w - 1 - column : column;
      const int sy = axes.rowsBackwards ? h - 1 - row : row;
      std::memcpy(upright.row(y) + 3 * x, canvas.row(sy) + 3 * sx, 3);
    }
  }
  return upright;
}

}  // namespace vok
