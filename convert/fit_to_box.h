#pragma once

#include <cstdint>

namespace vok {

struct FittedSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const FittedSize&) const = default;
};

// The thumbnail size of a W x H picture in a BoxW x BoxH box: the picture's own size when it fits,
// otherwise reduced with its aspect kept, computed in single precision and truncated. A side that
// would come out 0 (a very long, thin picture) is 1, so no thumbnail is ever empty.
// Throws std::range_error when a side does not fit 32 bits.
FittedSize FitToBox(std::int32_t W, std::int32_t H, std::int32_t BoxW, std::int32_t BoxH);

}  // namespace vok
