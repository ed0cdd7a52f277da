#include "codec/jpeg_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "codec/codec_errors.h"
#include "codec/jpeg_encoder.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/test_jpeg.h"
#include "support/throws.h"

namespace vok {
namespace {

using test::jpegCorpus;

Raster gradient(int width, int height) {
  Raster raster(width, height, PixelFormat::kRgb24);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t* pixel = raster.row(y) + 3 * x;
      pixel[0] = static_cast<std::uint8_t>(x * 255 / width);
      pixel[1] = static_cast<std::uint8_t>(y * 255 / height);
      pixel[2] = static_cast<std::uint8_t>((x + y) % 256);
    }
  }
  return raster;
}

TEST(JpegCodecDecode, ColourPictureDecodesTo24BitAtFullSize) {
  JpegCodec codec;
  codec.decodeFile(jpegCorpus("baseline-420-227x149.jpg").string());
  EXPECT_EQ(codec.width(), 227);
  EXPECT_EQ(codec.height(), 149);
  EXPECT_FALSE(codec.isGreyscale());
  EXPECT_FALSE(codec.isProgressive());
  const Raster& raster = codec.raster();
  EXPECT_EQ(raster.format(), PixelFormat::kRgb24);
  EXPECT_EQ(raster.width(), 227);
  EXPECT_EQ(raster.height(), 149);
}

TEST(JpegCodecDecode, GreyscalePictureDecodesTo236EvenGreys) {
  JpegCodec codec;
  codec.decodeFile(jpegCorpus("greyscale-128x128.jpg").string());
  EXPECT_TRUE(codec.isGreyscale());
  const Raster& raster = codec.raster();
  ASSERT_EQ(raster.format(), PixelFormat::kIndexed8);
  ASSERT_EQ(raster.paletteSize(), 236);
  EXPECT_EQ(raster.palette()[0], (PaletteEntry{0, 0, 0}));
  EXPECT_EQ(raster.palette()[235], (PaletteEntry{255, 255, 255}));
  for (int i = 0; i < 236; ++i) {
    const PaletteEntry& entry = raster.palette()[i];
    EXPECT_TRUE(entry.red == entry.green && entry.green == entry.blue) << i;
    if (i > 0) {
      EXPECT_GT(entry.red, raster.palette()[i - 1].red) << i;
    }
  }
}

TEST(JpegCodecDecode, ProgressiveDecodesLikeItsBaselineOriginal) {
  ASSERT_TRUE(test::haveTool("jpegtran"))
      << "jpegtran is not installed (scripts/install-deps.sh installs it)";
  test::TempDir dir;
  const auto baseline = jpegCorpus("baseline-420-227x149.jpg").string();
  const auto progressive = dir.file("progressive.jpg");
  ASSERT_EQ(test::runCommand("jpegtran -progressive " + test::shellQuote(baseline) + " > " +
                             test::shellQuote(progressive))
                .status,
            0);
  JpegCodec a, b;
  a.decodeFile(baseline);
  b.decodeFile(progressive);
  EXPECT_TRUE(b.isProgressive());
  EXPECT_TRUE(a.raster() == b.raster());
}

TEST(JpegCodecDecode, TruncatedFileDecodesWithoutError) {
  JpegCodec codec;
  codec.decodeFile(jpegCorpus("truncated-baseline-at-1024-bytes-100x75.jpg").string());
  EXPECT_EQ(codec.raster().width(), 100);
  EXPECT_EQ(codec.raster().height(), 75);
}

TEST(JpegCodecDecode, ZeroByteFileHasNoSizeAndFailsWhenItsPixelsAreNeeded) {
  JpegCodec codec;
  codec.decodeFile(jpegCorpus("zero-bytes.jpg").string());
  EXPECT_EQ(codec.width(), 0);
  EXPECT_EQ(codec.height(), 0);
  EXPECT_THROW(codec.raster(), JpegError);
}

TEST(JpegCodecDecode, TextFileNamedJpgFailsAtOnce) {
  test::TempDir dir;
  const auto path = dir.file("notes.jpg");
  test::writeText(path, "This is not a picture.\n");
  JpegCodec codec;
  try {
    codec.decodeFile(path);
    FAIL() << "no error";
  } catch (const JpegError& error) {  // the text names the library's code
    EXPECT_EQ(std::string(error.what()), "JPEG エラー #" + std::to_string(error.code()));
  }
}

TEST(JpegCodecDecode, FileErrorsNameTheFile) {
  JpegCodec codec;
  EXPECT_EQ(test::errorMessageOf<FileOpenError>([&] { codec.decodeFile("/nonexistent/a.jpg"); }),
            "ファイル /nonexistent/a.jpg は開けません");
  EXPECT_EQ(
      test::errorMessageOf<InvalidGraphicError>([&] { codec.decodeFile("/tmp/picture.png"); }),
      "拡張子 .png の画像形式は処理できません");
}

TEST(JpegCodecDecode, ExtensionIsComparedWithoutLetterCase) {
  test::TempDir dir;
  const auto path = dir.file("PHOTO.JPEG");
  std::filesystem::copy_file(jpegCorpus("tiny-3x3.jpg"), path);
  JpegCodec codec;
  codec.decodeFile(path);
  EXPECT_EQ(codec.width(), 3);
}

TEST(JpegCodecDecode, FailedLoadKeepsThePreviousPicture) {
  JpegCodec codec;
  codec.decodeFile(jpegCorpus("baseline-422-100x75.jpg").string());
  EXPECT_THROW(codec.decodeFile("/nonexistent/b.jpg"), FileOpenError);
  EXPECT_EQ(codec.width(), 100);
  EXPECT_EQ(codec.raster().height(), 75);
}

TEST(JpegCodecDecode, HugeDeclaredPicturesFailQuickly) {
  // 1.4 KB asking for about 25 GB, and a header declaring 65535 x 65535.
  for (const char* name :
       {"large-64250x64250-progressive-bomb.jpg", "large-65535x65535-header.jpg"}) {
    JpegCodec codec;
    EXPECT_THROW(
        {
          codec.decodeFile(jpegCorpus(name).string());
          codec.raster();
        },
        JpegError)
        << name;
  }
}

// Only one, three and four components are laid out as the reduction reads them.
TEST(JpegCodecDecode, TwoComponentPictureIsRefused) {
  test::TempDir dir;
  const std::string path = dir.file("two.jpg");
  test::writeTestJpeg(path, {40, 30, {{1, 1}, {1, 1}}}, test::texturedRows(40, 2));
  JpegCodec codec;
  codec.decodeFile(path);
  EXPECT_EQ(codec.width(), 40);
  EXPECT_THROW(codec.raster(), JpegError);
}

TEST(JpegCodecDecode, TinyFileDeclaringAPictureItCannotHoldIsRefused) {
  // A 16 x 16 progressive file whose frame header is made to say 8000 x 8000: its coefficients
  // would take 384 MB, far more than a file of this size can describe.
  std::vector<unsigned char> bytes =
      test::makeTestJpeg({16, 16, {{1, 1}, {1, 1}, {1, 1}}, true}, test::texturedRows(16, 3));
  const unsigned char sof2[] = {0xFF, 0xC2};
  const auto frame = std::search(bytes.begin(), bytes.end(), std::begin(sof2), std::end(sof2));
  ASSERT_NE(frame, bytes.end());
  for (const std::size_t at : {5, 7}) {  // height, then width, after length and precision
    frame[at] = 8000 >> 8;
    frame[at + 1] = 8000 & 0xFF;
  }
  test::TempDir dir;
  test::writeBytes(dir.file("claim.jpg"), bytes);
  JpegCodec codec;
  codec.decodeFile(dir.file("claim.jpg"));
  EXPECT_EQ(codec.width(), 8000);
  EXPECT_THROW(codec.raster(), JpegError);
}

TEST(JpegCodecEncode, SameRasterGivesIdenticalBaselineFiles) {
  test::TempDir dir;
  const Raster raster = gradient(64, 48);
  JpegCodec::encodeFile(raster, dir.file("a.jpg"));
  JpegCodec::encodeFile(raster, dir.file("b.jpg"));
  const auto a = test::readBytes(dir.file("a.jpg"));
  EXPECT_EQ(a, test::readBytes(dir.file("b.jpg")));

  // JFIF APP0 right after SOI, then a baseline frame of three components sampled 2x2, 1x1, 1x1.
  ASSERT_GT(a.size(), 20u);
  EXPECT_EQ(a[0], 0xFF);
  EXPECT_EQ(a[1], 0xD8);
  EXPECT_EQ(std::string(a.begin() + 6, a.begin() + 11), std::string("JFIF\0", 5));
  const std::vector<unsigned char> sof0 = {0xFF, 0xC0, 0x00, 0x11, 0x08, 0x00, 48, 0x00, 64, 3,
                                           1,    0x22, 0,    2,    0x11, 1,    3,  0x11, 1};
  EXPECT_NE(std::search(a.begin(), a.end(), sof0.begin(), sof0.end()), a.end());
}

TEST(JpegCodecEncode, IndexedRasterIsWrittenAsColour) {
  Raster indexed(8, 8, PixelFormat::kIndexed8);
  indexed.palette()[1] = {10, 200, 30};
  indexed.setPaletteSize(2);
  for (int y = 0; y < 8; ++y) indexed.row(y)[y] = 1;
  EXPECT_EQ(encodeJpeg(indexed), encodeJpeg(indexed.toRgb24()));
}

TEST(JpegCodecEncode, EmptyRasterIsRefusedAndNoFileAppears) {
  test::TempDir dir;
  EXPECT_THROW(JpegCodec::encodeFile(Raster(0, 10, PixelFormat::kRgb24), dir.file("a.jpg")), Error);
  EXPECT_FALSE(std::filesystem::exists(dir.file("a.jpg")));
}

TEST(JpegCodecEncode, ReplacesAnExistingFile) {
  test::TempDir dir;
  const auto path = dir.file("a.jpg");
  test::writeText(path, "old content that is longer than nothing");
  JpegCodec::encodeFile(gradient(16, 16), path);
  JpegCodec codec;
  codec.decodeFile(path);
  EXPECT_EQ(codec.width(), 16);
}

}  // namespace
}  // namespace vok
