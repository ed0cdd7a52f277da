#include "convert/thumbnail_maker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "codec/jpeg_codec.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/test_jpeg.h"

namespace vok {
namespace {

using Bytes = std::vector<unsigned char>;

constexpr ThumbnailBox kBoxes[] = {{32, 32}, {160, 120}, {200, 200}, {45, 200}, {200, 33}};

// A baseline 4:2:0 picture whose last rows lie well below any row a small box samples.
Bytes tallPicture() {
  return test::makeTestJpeg({301, 997}, test::texturedRows(301, 3));
}

// Puts `piece` in place of the end-of-image marker.
Bytes endingWith(Bytes bytes, const Bytes& piece) {
  bytes.resize(bytes.size() - 2);
  bytes.insert(bytes.end(), piece.begin(), piece.end());
  return bytes;
}

bool fullDecodeSucceeds(const std::string& path) {
  JpegCodec codec;
  try {
    codec.decodeFile(path);
    codec.raster();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

struct VerdictCase {
  const char* name;
  std::function<Bytes()> make;
  bool readable;
};

// Whether a file converts depends on the file, never on the box or on skipping.
TEST(ThumbnailMaker, TheVerdictOnAFileIsTheSameInEveryBox) {
  const VerdictCase cases[] = {
      {"intact", tallPicture, true},
      {"cut short at the end",
       [] {
         Bytes bytes = tallPicture();
         bytes.resize(bytes.size() - 40);
         return bytes;
       },
       true},
      {"an extra broken scan at the end",
       [] {
         return endingWith(tallPicture(), {0xFF, 0xDA, 0x00, 0x08, 0x01, 0x09, 0x00, 0x00, 0x3F,
                                           0x00, 0x12, 0x34, 0xFF, 0xD9});
       },
       false},
      {"a second start of image at the end",
       [] {
         return endingWith(tallPicture(), {0xFF, 0xD8, 0xFF, 0xD9});
       },
       false},
      {"two components",
       [] {
         return test::makeTestJpeg({301, 997, {{1, 1}, {1, 1}}}, test::texturedRows(301, 2));
       },
       false},
  };
  test::TempDir dir;
  for (const VerdictCase& c : cases) {
    const std::string path = dir.file("picture.jpg");
    test::writeBytes(path, c.make());
    EXPECT_EQ(fullDecodeSucceeds(path), c.readable) << c.name;
    for (const ThumbnailBox box : kBoxes) {
      for (const bool skip : {false, true}) {
        const PictureThumbnail made = makeThumbnail(path, {box, skip, true});
        EXPECT_EQ(made.readable, c.readable)
            << c.name << " in " << box.width << "x" << box.height << (skip ? " skipping" : "");
        if (made.readable) {
          EXPECT_EQ(made.pictureHeight, 997);
          EXPECT_EQ(skip, made.skippedRows > 0);
        }
      }
    }
  }
}

}  // namespace
}  // namespace vok
