// Thumbnails must be byte for byte what libjpeg-turbo's own tools make from the same steps:
// djpeg's float decode (236 greys for one-component files), the nearest-neighbour reduction,
// cjpeg's float encode at quality 90 as baseline.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>

#include "codec/jpeg_decoder.h"
#include "codec/picture_file.h"
#include "convert/fit_to_box.h"
#include "convert/picture_stage.h"
#include "convert/thumbnail_maker.h"
#include "convert/thumbnail_mark.h"
#include "pnm.h"
#include "support/files.h"
#include "support/recording_window.h"
#include "support/temp_dir.h"

namespace vok {
namespace {

namespace fs = std::filesystem;
using test::shellQuote;

// The reduction rule written out on its own: pixel (x, y) copies source pixel
// (floor((2x + 1) W / 2w), floor((2y + 1) H / 2h)).
Raster referenceReduction(const Raster& full, int w, int h) {
  Raster out(w, h, PixelFormat::kRgb24);
  for (int y = 0; y < h; ++y) {
    const long long sy = (2LL * y + 1) * full.height() / (2LL * h);
    for (int x = 0; x < w; ++x) {
      const long long sx = (2LL * x + 1) * full.width() / (2LL * w);
      for (int c = 0; c < 3; ++c)
        out.row(y)[3 * x + c] = full.row(static_cast<int>(sy))[3 * sx + c];
    }
  }
  return out;
}

// What the reference tools make of `path`, or nothing when djpeg cannot decode it at all.
std::optional<std::vector<std::uint8_t>> referenceThumbnail(const fs::path& path, ThumbnailBox box,
                                                            const test::TempDir& dir) {
  JpegHeader header;
  try {
    header = readJpegHeader(readPictureFile(path.string()));
  } catch (const std::exception&) {
    return std::nullopt;
  }
  const std::string full = dir.file("full.pnm"), reduced = dir.file("reduced.ppm"),
                    encoded = dir.file("reference.jpg");
  const std::string colours = header.greyscale ? " -colors 236" : "";
  const int status =
      test::runCommand("djpeg -dct float" + colours + " -pnm " + shellQuote(path.string()) + " > " +
                       shellQuote(full) + " 2>/dev/null")
          .status;
  if (status == 1) return std::nullopt;
  const FittedSize size = FitToBox(header.width, header.height, box.width, box.height);
  test::writePpm(referenceReduction(test::readPnm(full), size.width, size.height), reduced);
  EXPECT_EQ(test::runCommand("cjpeg -dct float -quality 90 -baseline " + shellQuote(reduced) +
                             " > " + shellQuote(encoded))
                .status,
            0);
  return test::readBytes(encoded);
}

void expectSameAsReference(const std::vector<fs::path>& pictures, ThumbnailBox box) {
  test::TempDir dir;
  int compared = 0;
  for (const fs::path& path : pictures) {
    const auto reference = referenceThumbnail(path, box, dir);
    for (const bool skip : {false, true}) {
      const PictureThumbnail made = makeThumbnail(path.string(), {box, skip, true});
      if (!reference) {
        EXPECT_FALSE(made.readable) << path;
        continue;
      }
      ASSERT_TRUE(made.readable) << path << ": " << made.failure;
      EXPECT_TRUE(made.encoded == *reference)
          << path.filename() << (skip ? " (rows skipped)" : " (every row decoded)");
      ++compared;
    }
  }
  EXPECT_GT(compared, 0);
}

bool haveReferenceTools() {
  return test::haveTool("djpeg") && test::haveTool("cjpeg");
}

std::vector<fs::path> jpegFilesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == ".jpg") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(ThumbnailReference, CorpusPicturesMatchTheReferenceTools) {
  if (!haveReferenceTools()) GTEST_SKIP() << "djpeg/cjpeg are not installed";
  std::vector<fs::path> pictures;
  for (const fs::path& path : jpegFilesIn(test::jpegCorpus(""))) {
    const std::string name = path.filename().string();
    // Four-component files are converted by our own rule, not djpeg's; the huge ones are refused.
    if (name.starts_with("cmyk") || name.starts_with("ycck") || name.starts_with("large-")) {
      continue;
    }
    pictures.push_back(path);
  }
  expectSameAsReference(pictures, {160, 120});
  expectSameAsReference(
      {test::jpegCorpus("baseline-420-227x149.jpg"), test::jpegCorpus("greyscale-128x128.jpg")},
      {32, 200});
}

TEST(ThumbnailReference, SamplePhotosMatchTheReferenceTools) {
  if (!haveReferenceTools()) GTEST_SKIP() << "djpeg/cjpeg are not installed";
  expectSameAsReference(jpegFilesIn(test::samplePhotos()), {160, 120});
}

TEST(ThumbnailReference, CameraPhotosMatchTheReferenceTools) {
  if (!haveReferenceTools()) GTEST_SKIP() << "djpeg/cjpeg are not installed";
  const auto photos = test::sharedPhotos();
  if (!photos) GTEST_SKIP() << "the shared photo set is not beside the checkout";
  expectSameAsReference(jpegFilesIn(*photos), {200, 200});
}

// A written thumbnail file is the reference with one segment added: the comment with the mark.
TEST(ThumbnailReference, WrittenThumbnailIsTheReferencePlusItsMark) {
  if (!haveReferenceTools()) GTEST_SKIP() << "djpeg/cjpeg are not installed";
  test::TempDir dir;
  test::RecordingWindow window;
  RunLog log;
  ThumbnailOptions options;
  PictureStage stage(window, log, options);
  for (const fs::path& path : jpegFilesIn(test::samplePhotos())) {
    ASSERT_TRUE(stage.ShowPicture(path.string()));
    stage.SaveThumbnail(dir.file("thumbnail.jpg"));
    const auto written = test::readBytes(dir.file("thumbnail.jpg"));
    EXPECT_TRUE(carriesMark(written)) << path;
    EXPECT_TRUE(std::optional(withoutMark(written)) == referenceThumbnail(path, {160, 120}, dir))
        << path;
  }
}

}  // namespace
}  // namespace vok
