// Any bytes either give a thumbnail of the fitted size, encoded, or are unreadable; nothing is
// read or written out of bounds on the way (decode, fit, reduce, encode to memory).
#include <cstdint>
#include <cstdlib>
#include <span>

#include "convert/fit_to_box.h"
#include "convert/thumbnail_maker.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The box varies with the input's length, so the bytes themselves stay a JPEG file.
  const vok::ThumbnailBox box{static_cast<std::int32_t>(32 + size % 169),
                              static_cast<std::int32_t>(32 + size / 169 % 169)};
  const vok::PictureThumbnail made =
      vok::makeThumbnail(std::span<const std::uint8_t>(data, size), {box, true, true});
  if (!made.readable) return 0;
  const vok::FittedSize fitted =
      vok::FitToBox(made.pictureWidth, made.pictureHeight, box.width, box.height);
  if (made.canvas.width() != fitted.width || made.canvas.height() != fitted.height) std::abort();
  if (made.encoded.empty()) std::abort();
  return 0;
}
