#include "convert/overwrite_guard.h"

#include <filesystem>

#include "codec/jpeg_decoder.h"
#include "codec/picture_file.h"
#include "convert/thumbnail_mark.h"

namespace vok {

bool isForeignPicture(const std::string& path, ThumbnailBox box) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  try {
    const std::vector<std::uint8_t> bytes = readPictureFile(path);
    const JpegHeader header = readJpegHeader(bytes);
    if (carriesMark(bytes)) return false;
    return header.width > box.width || header.height > box.height;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace vok
