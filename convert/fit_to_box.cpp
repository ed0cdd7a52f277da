#include "convert/fit_to_box.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vok {
namespace {

std::int32_t truncateToInt32(float value) {
  const double truncated = std::trunc(static_cast<double>(value));
  if (!(truncated >= INT32_MIN && truncated <= INT32_MAX)) {
    throw std::range_error("Thumbnail size out of range");
  }
  return static_cast<std::int32_t>(truncated);
}

}  // namespace

FittedSize FitToBox(std::int32_t W, std::int32_t H, std::int32_t BoxW, std::int32_t BoxH) {
  if (BoxW >= W && BoxH >= H) return {W, H};

  // Every step is stored in single precision; the results depend on it.
  const float r = static_cast<float>(W) / static_cast<float>(H);
  float wf = static_cast<float>(BoxW);
  float hf = wf / r;
  if (!(static_cast<double>(BoxH) >= static_cast<double>(hf))) {
    hf = static_cast<float>(BoxH);
    wf = hf * r;
  }
  return {std::max(truncateToInt32(wf), 1), std::max(truncateToInt32(hf), 1)};
}

}  // namespace vok
