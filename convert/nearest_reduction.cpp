#include "convert/nearest_reduction.h"

namespace vok {

void sampleRowNearest(const std::uint8_t* in, PixelFormat format, const PaletteEntry* palette,
                      std::span<const int> columns, std::uint8_t* out) noexcept {
  for (const int column : columns) {
    if (format == PixelFormat::kIndexed8) {
      const PaletteEntry& entry = palette[in[column]];
      out[0] = entry.red;
      out[1] = entry.green;
      out[2] = entry.blue;
    } else {
      const std::uint8_t* pixel = in + 3 * static_cast<std::size_t>(column);
      out[0] = pixel[0];
      out[1] = pixel[1];
      out[2] = pixel[2];
    }
    out += 3;
  }
}

}  // namespace vok
