#include "codec/exif_orientation.h"

#include <libexif/exif-data.h>

#include <cstring>
#include <memory>

namespace vok {
namespace {

constexpr int kAsStored = 1;
constexpr std::uint8_t kApp1 = 0xE1;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr char kExifName[] = "Exif\0";  // with the string's own NUL: "Exif" and two NULs

// The APP1 segment's contents from "Exif\0\0" on, or an empty span when there is none before
// the first scan.
std::span<const std::uint8_t> exifSegmentOf(std::span<const std::uint8_t> jpeg) {
  if (jpeg.size() < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8) return {};
  std::size_t at = 2;
  while (at + 4 <= jpeg.size()) {
    if (jpeg[at] != 0xFF) return {};
    const std::uint8_t marker = jpeg[at + 1];
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker == kStartOfScan || marker == 0xD9) return {};
    const std::size_t length = std::size_t{jpeg[at + 2]} << 8 | jpeg[at + 3];
    if (length < 2 || at + 2 + length > jpeg.size()) return {};
    const auto contents = jpeg.subspan(at + 4, length - 2);
    if (marker == kApp1 && contents.size() >= sizeof kExifName &&
        std::memcmp(contents.data(), kExifName, sizeof kExifName) == 0)
      return contents;
    at += 2 + length;
  }
  return {};
}

struct ExifDataRelease {
  void operator()(ExifData* data) const { exif_data_unref(data); }
};

}  // namespace

int exifOrientationOf(std::span<const std::uint8_t> jpeg) noexcept {
  const auto segment = exifSegmentOf(jpeg);
  if (segment.empty()) return kAsStored;
  std::unique_ptr<ExifData, ExifDataRelease> data(exif_data_new());
  if (!data) return kAsStored;
  exif_data_load_data(data.get(), segment.data(), static_cast<unsigned int>(segment.size()));
  ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
  if (entry == nullptr || entry->format != EXIF_FORMAT_SHORT || entry->components < 1 ||
      entry->data == nullptr || entry->size < 2)
    return kAsStored;
  const int value = exif_get_short(entry->data, exif_data_get_byte_order(data.get()));
  return value >= 1 && value <= 8 ? value : kAsStored;
}

}  // namespace vok
