#include "codec/exif_orientation.h"

#include <gtest/gtest.h>

#include <vector>

#include "codec/picture_file.h"
#include "support/files.h"

namespace vok {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A JPEG start with one EXIF segment holding a single Orientation entry: `type` 3 is SHORT,
// 4 LONG; "II" is little-endian TIFF, "MM" big-endian. `cut` drops bytes from the segment's end.
Bytes withOrientation(int value, int type = 3, bool bigEndian = false, std::size_t cut = 0) {
  const auto word = [&](Bytes& out, unsigned v) {
    if (bigEndian)
      out.insert(out.end(), {std::uint8_t(v >> 8), std::uint8_t(v)});
    else
      out.insert(out.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
  };
  Bytes tiff = bigEndian ? Bytes{'M', 'M'} : Bytes{'I', 'I'};
  word(tiff, 42);
  word(tiff, bigEndian ? 0 : 8);
  word(tiff, bigEndian ? 8 : 0);
  word(tiff, 1);       // one entry
  word(tiff, 0x0112);  // Orientation
  word(tiff, static_cast<unsigned>(type));
  word(tiff, bigEndian ? 0 : 1);
  word(tiff, bigEndian ? 1 : 0);
  word(tiff, static_cast<unsigned>(value));  // left-justified in the four-byte value field
  word(tiff, 0);
  word(tiff, 0);
  word(tiff, 0);  // no next directory
  Bytes segment = {'E', 'x', 'i', 'f', 0, 0};
  segment.insert(segment.end(), tiff.begin(), tiff.end());
  segment.resize(segment.size() - cut);
  const std::size_t length = segment.size() + 2;
  Bytes jpeg = {0xFF, 0xD8, 0xFF, 0xE1, std::uint8_t(length >> 8), std::uint8_t(length)};
  jpeg.insert(jpeg.end(), segment.begin(), segment.end());
  jpeg.insert(jpeg.end(), {0xFF, 0xDA, 0x00, 0x02, 0xFF, 0xD9});
  return jpeg;
}

TEST(ExifOrientation, ReadsTheTagAndTakesAnythingElseAsStored) {
  const struct {
    const char* what;
    Bytes jpeg;
    int expected;
  } cases[] = {
      {"turned", withOrientation(6), 6},
      {"big-endian", withOrientation(8, 3, true), 8},
      {"zero", withOrientation(0), 1},
      {"out of range", withOrientation(9), 1},
      {"a LONG, read as the SHORT it should be", withOrientation(6, 4), 6},
      {"a LONG out of range", withOrientation(12, 4), 1},
      {"cut inside the entry", withOrientation(6, 3, false, 10), 1},
      {"no EXIF", Bytes{0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x02}, 1},
      {"not a JPEG", Bytes{'G', 'I', 'F', '8'}, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(exifOrientationOf(c.jpeg), c.expected) << c.what;
}

TEST(ExifOrientation, RealFilesAsExiftoolReadsThem) {
  const std::pair<const char*, int> files[] = {{"exif-orientation-2-mirror-128x128.jpg", 2},
                                               {"exif-orientation-3-308x410.jpg", 3},
                                               {"exif-orientation-5-transpose-128x128.jpg", 5},
                                               {"exif-orientation-6-8x8.jpg", 6},
                                               {"exif-orientation-8-308x231.jpg", 8},
                                               {"exif-malformed-200x200.jpg", 1},
                                               {"exif-truncated-480x640.jpg", 1},
                                               {"baseline-420-227x149.jpg", 1}};
  for (const auto& [name, expected] : files)
    EXPECT_EQ(exifOrientationOf(readPictureFile(test::jpegCorpus(name).string())), expected)
        << name;
}

}  // namespace
}  // namespace vok
