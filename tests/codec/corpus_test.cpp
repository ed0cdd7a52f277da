// Every file of the edge-case corpus either decodes or fails with one of the codec's errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "codec/codec_errors.h"
#include "codec/jpeg_codec.h"
#include "support/files.h"

namespace vok {
namespace {

TEST(JpegCorpus, EveryFileDecodesOrFailsCleanly) {
  int decoded = 0;
  int failed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(test::jpegCorpus(""))) {
    if (entry.path().extension() != ".jpg") continue;
    const std::string name = entry.path().filename().string();
    JpegCodec codec;
    try {
      codec.decodeFile(entry.path().string());
      const Raster& raster = codec.raster();
      EXPECT_EQ(raster.width(), codec.width()) << name;
      EXPECT_EQ(raster.height(), codec.height()) << name;
      ++decoded;
    } catch (const JpegError&) {
      ++failed;
    } catch (const OutOfMemoryError&) {
      ++failed;
    }
  }
  EXPECT_GT(decoded, 40);
  EXPECT_GT(failed, 5);
}

TEST(JpegCorpus, FourComponentPicturesDecodeToColour) {
  JpegCodec codec;
  codec.decodeFile(test::jpegCorpus("ycck-adobe-400x250.jpg").string());
  const Raster& raster = codec.raster();
  EXPECT_EQ(raster.format(), PixelFormat::kRgb24);
  // A tree photograph: not a flat picture.
  std::set<int> reds;
  for (int y = 0; y < raster.height(); y += 10)
    reds.insert(raster.row(y)[3 * (y % raster.width())]);
  EXPECT_GT(reds.size(), 5u);
}

}  // namespace
}  // namespace vok
