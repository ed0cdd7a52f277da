// Thumbnails must be byte for byte what libjpeg-turbo's own tools make from the same steps:
// djpeg's float decode (236 greys for one-component files), the nearest-neighbour reduction,
// cjpeg's float encode at quality 90 as baseline.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
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
#include "support/test_jpeg.h"

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

// What the reference tools make of `path`, or nothing when djpeg cannot decode it at all. A `turn`
// (ImageMagick's -rotate, -flip, ...) is applied to the decoded picture before it is fitted.
std::optional<std::vector<std::uint8_t>> referenceThumbnail(const fs::path& path, ThumbnailBox box,
                                                            const test::TempDir& dir,
                                                            const std::string& turn = "") {
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
  if (!turn.empty()) {
    EXPECT_EQ(test::runCommand("convert " + shellQuote(full) + " " + turn + " -depth 8 " +
                               shellQuote(full))
                  .status,
              0);
  }
  const Raster picture = test::readPnm(full);
  const FittedSize size = FitToBox(picture.width(), picture.height(), box.width, box.height);
  test::writePpm(referenceReduction(picture, size.width, size.height), reduced);
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
  ASSERT_TRUE(haveReferenceTools())
      << "djpeg/cjpeg are not installed (scripts/install-deps.sh installs them)";
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
  ASSERT_TRUE(haveReferenceTools())
      << "djpeg/cjpeg are not installed (scripts/install-deps.sh installs them)";
  expectSameAsReference(jpegFilesIn(test::samplePhotos()), {160, 120});
}

TEST(ThumbnailReference, CameraPhotosMatchTheReferenceTools) {
  ASSERT_TRUE(haveReferenceTools())
      << "djpeg/cjpeg are not installed (scripts/install-deps.sh installs them)";
  const auto photos = test::sharedPhotos();
  if (!photos) GTEST_SKIP() << "the shared photo set is not beside the checkout";
  expectSameAsReference(jpegFilesIn(*photos), {200, 200});
}

struct Turn {
  int orientation;
  const char* store;  // jpegtran's transform that makes the stored picture from the upright one
  const char* view;   // ImageMagick's operation that turns it back, as a viewer does
};
const Turn kTurns[] = {{1, "", ""},
                       {2, "-flip horizontal", "-flop"},
                       {3, "-rotate 180", "-rotate 180"},
                       {4, "-flip vertical", "-flip"},
                       {5, "-transpose", "-transpose"},
                       {6, "-rotate 270", "-rotate 90"},
                       {7, "-transverse", "-transverse"},
                       {8, "-rotate 90", "-rotate 270"}};

double meanDifference(const Raster& a, const Raster& b) {
  if (a.width() != b.width() || a.height() != b.height()) return 255;
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int i = 0; i < 3 * a.width(); ++i) sum += std::abs(a.row(y)[i] - b.row(y)[i]);
  return sum / (3.0 * a.width() * a.height());
}

// A real photo stored in each of the eight orientations, tagged so, comes out upright: byte for
// byte the reference tools' thumbnail of the decoded picture turned by ImageMagick, and close to
// the thumbnail of the upright photo itself.
TEST(ThumbnailReference, EveryOrientationIsTurnedUpright) {
  for (const char* tool : {"djpeg", "cjpeg", "jpegtran", "exiftool", "convert"})
    ASSERT_TRUE(test::haveTool(tool)) << tool << " is not installed (scripts/install-deps.sh)";
  test::TempDir dir;
  const fs::path upright = test::samplePhotos() / "cam_HP_PhotoSmart_C812.jpg";
  const ThumbnailBox box{160, 120};
  const PictureThumbnail asShot = makeThumbnail(upright.string(), {box, true, true});
  ASSERT_TRUE(asShot.readable);
  for (const Turn& turn : kTurns) {
    SCOPED_TRACE(turn.orientation);
    const std::string stored = dir.file("stored.jpg");
    ASSERT_EQ(test::runCommand("jpegtran -copy none " + std::string(turn.store) + " " +
                               shellQuote(upright.string()) + " > " + shellQuote(stored) +
                               " && exiftool -q -n -overwrite_original -Orientation=" +
                               std::to_string(turn.orientation) + " " + shellQuote(stored))
                  .status,
              0);
    const auto reference = referenceThumbnail(stored, box, dir, turn.view);
    ASSERT_TRUE(reference);
    for (const bool skip : {false, true}) {
      ThumbnailRecipe recipe{box, skip, true};
      recipe.autoOrient = true;
      const PictureThumbnail made = makeThumbnail(stored, recipe);
      ASSERT_TRUE(made.readable) << made.failure;
      EXPECT_EQ(made.orientation, turn.orientation);
      EXPECT_EQ(made.pictureWidth, asShot.pictureWidth);
      EXPECT_EQ(made.pictureHeight, asShot.pictureHeight);
      EXPECT_TRUE(made.encoded == *reference) << (skip ? "rows skipped" : "every row decoded");
      EXPECT_LT(meanDifference(made.canvas, asShot.canvas), 4.0);
    }
  }
}

double psnr(const Raster& a, const Raster& b) {
  if (a.width() != b.width() || a.height() != b.height()) return 0;
  double squares = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int i = 0; i < 3 * a.width(); ++i) {
      const double d = a.row(y)[i] - b.row(y)[i];
      squares += d * d;
    }
  const double mean = squares / (3.0 * a.width() * a.height());
  return mean == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mean);
}

// Smooth thumbnails have the exact path's size and come close to a Lanczos resize of the full
// float decode (ImageMagick), far closer than the exact sampling; a grey picture keeps its 256
// levels.
TEST(ThumbnailReference, SmoothThumbnailsAreCloseToAFullLanczosResize) {
  for (const char* tool : {"djpeg", "convert"})
    ASSERT_TRUE(test::haveTool(tool)) << tool << " is not installed (scripts/install-deps.sh)";
  test::TempDir dir;
  for (const fs::path& path : jpegFilesIn(test::samplePhotos())) {
    for (const ThumbnailBox box : {ThumbnailBox{160, 120}, ThumbnailBox{500, 500}}) {
      SCOPED_TRACE(path.filename().string() + " " + std::to_string(box.width));
      ThumbnailRecipe recipe{box, true, true};
      const PictureThumbnail exact = makeThumbnail(path.string(), recipe);
      recipe.smooth = true;
      const PictureThumbnail smooth = makeThumbnail(path.string(), recipe);
      ASSERT_TRUE(smooth.readable) << smooth.failure;
      ASSERT_EQ(smooth.canvas.width(), exact.canvas.width());
      ASSERT_EQ(smooth.canvas.height(), exact.canvas.height());
      const std::string full = dir.file("full.pnm"), resized = dir.file("resized.ppm");
      ASSERT_EQ(
          test::runCommand("djpeg -dct float -pnm " + shellQuote(path.string()) + " > " +
                           shellQuote(full) + " && convert " + shellQuote(full) +
                           " -filter Lanczos -resize " + std::to_string(smooth.canvas.width()) +
                           "x" + std::to_string(smooth.canvas.height()) + "! -type TrueColor " +
                           shellQuote(resized))
              .status,
          0);
      const Raster reference = test::readPnm(resized);
      EXPECT_GT(psnr(smooth.canvas, reference), 32.0);
      EXPECT_GT(psnr(smooth.canvas, reference), psnr(exact.canvas, reference) + 3.0);
      if (path.filename().string().starts_with("grey")) {
        std::vector<bool> levels(256);
        for (int y = 0; y < smooth.canvas.height(); ++y)
          for (int x = 0; x < smooth.canvas.width(); ++x)
            levels[smooth.canvas.row(y)[3 * x]] = true;
        EXPECT_GT(std::count(levels.begin(), levels.end(), true), 236);
      }
    }
  }
}

// A damaged EXIF block means "as stored": the picture is read, and comes out as without the option.
TEST(ThumbnailReference, DamagedExifLeavesThePictureAsStored) {
  for (const char* name : {"exif-malformed-200x200.jpg", "exif-truncated-480x640.jpg"}) {
    const std::string path = test::jpegCorpus(name).string();
    ThumbnailRecipe recipe{ThumbnailBox{160, 120}, true, true};
    const PictureThumbnail plain = makeThumbnail(path, recipe);
    recipe.autoOrient = true;
    const PictureThumbnail turned = makeThumbnail(path, recipe);
    ASSERT_TRUE(turned.readable) << name << ": " << turned.failure;
    EXPECT_EQ(turned.orientation, 1) << name;
    EXPECT_TRUE(turned.encoded == plain.encoded) << name;
  }
}

// A written thumbnail file is the reference with one segment added: the comment with the mark.
TEST(ThumbnailReference, WrittenThumbnailIsTheReferencePlusItsMark) {
  ASSERT_TRUE(haveReferenceTools())
      << "djpeg/cjpeg are not installed (scripts/install-deps.sh installs them)";
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

using Sampling = std::vector<std::pair<int, int>>;

// Every sampling of three components that libjpeg writes: factors 1 to 4, at most ten blocks in
// a unit, each factor dividing the largest one in its direction.
std::vector<Sampling> everyColourSampling() {
  std::vector<std::pair<int, int>> factors;
  for (int h = 1; h <= 4; ++h) {
    for (int v = 1; v <= 4; ++v) factors.emplace_back(h, v);
  }
  std::vector<Sampling> samplings;
  for (const auto& a : factors) {
    for (const auto& b : factors) {
      for (const auto& c : factors) {
        const int maxH = std::max({a.first, b.first, c.first});
        const int maxV = std::max({a.second, b.second, c.second});
        const bool integral = maxH % a.first == 0 && maxH % b.first == 0 && maxH % c.first == 0 &&
                              maxV % a.second == 0 && maxV % b.second == 0 && maxV % c.second == 0;
        if (integral && a.first * a.second + b.first * b.second + c.first * c.second <= 10) {
          samplings.push_back({a, b, c});
        }
      }
    }
  }
  return samplings;
}

struct SweepShape {
  ThumbnailBox box;
  int width = 0;
  int height = 0;
};

// Boxes of many proportions, each with pictures of odd sizes at least 8 times the box's height,
// so that most rows are skipped.
std::vector<SweepShape> sweepShapes(ThumbnailBox box, int variants) {
  constexpr int kWidths[] = {37, 613, 131, 263};
  constexpr int kExtraRows[] = {1, 29, 7, 13};
  std::vector<SweepShape> shapes;
  for (int i = 0; i < variants; ++i) {
    shapes.push_back({box, kWidths[i % 4], 8 * box.height + kExtraRows[(i + i / 4) % 4]});
  }
  return shapes;
}

constexpr ThumbnailBox kSweepBoxes[] = {{32, 32},  {200, 33}, {45, 47},  {160, 120},
                                        {33, 200}, {97, 61},  {200, 200}};

// Makes the picture, decodes it with djpeg, and compares the canvas with and without skipping
// to the reduction of djpeg's rows. Skipping must have happened wherever it is allowed.
void expectSweepCase(const Sampling& sampling, bool progressive, const SweepShape& shape,
                     const test::TempDir& dir) {
  std::string name;
  for (const auto& [h, v] : sampling) name += std::to_string(h) + "x" + std::to_string(v) + " ";
  name += (progressive ? "progressive " : "baseline ") + std::to_string(shape.width) + "x" +
          std::to_string(shape.height) + " in " + std::to_string(shape.box.width) + "x" +
          std::to_string(shape.box.height);
  SCOPED_TRACE(name);
  const std::string path = dir.file("sweep.jpg"), full = dir.file("sweep.ppm");
  test::writeTestJpeg(path, {shape.width, shape.height, sampling, progressive, 90},
                      test::texturedRows(shape.width, 3));
  const bool decodable = test::runCommand("djpeg -dct float -pnm " + shellQuote(path) + " > " +
                                          shellQuote(full) + " 2>/dev/null")
                             .status != 1;
  const FittedSize size = FitToBox(shape.width, shape.height, shape.box.width, shape.box.height);
  const Raster expected =
      decodable ? referenceReduction(test::readPnm(full), size.width, size.height) : Raster();
  // Skipping is allowed without vertical sampling, or where a component is sampled once in two
  // rows and (at most) every second column and so is upsampled with the rows around it.
  int maxH = 0, maxV = 0;
  for (const auto& [h, v] : sampling) maxH = std::max(maxH, h), maxV = std::max(maxV, v);
  bool skipAllowed = maxV == 1;
  for (const auto& [h, v] : sampling) skipAllowed |= maxV == 2 && v == 1 && maxH <= 2 * h;
  for (const bool skip : {false, true}) {
    const PictureThumbnail made = makeThumbnail(path, {shape.box, skip, false});
    ASSERT_EQ(made.readable, decodable) << made.failure;
    if (!decodable) continue;
    EXPECT_TRUE(made.canvas == expected) << (skip ? "rows skipped" : "every row decoded");
    if (skip && skipAllowed) {
      EXPECT_GT(made.skippedRows, shape.height / 2);
    } else {
      EXPECT_EQ(made.skippedRows, 0);
    }
  }
}

// Every sampling, baseline and progressive. CI takes one box and one picture for each; with
// VOK_LONG_SWEEP set each is tried in every box at two sizes (about 15 minutes).
TEST(ThumbnailReference, EverySamplingMatchesTheReferenceDecodeWithAndWithoutSkipping) {
  ASSERT_TRUE(test::haveTool("djpeg"))
      << "djpeg is not installed (scripts/install-deps.sh installs it)";
  const bool longSweep = std::getenv("VOK_LONG_SWEEP") != nullptr;
  test::TempDir dir;
  std::size_t index = 0;
  for (const Sampling& sampling : everyColourSampling()) {
    for (const bool progressive : {false, true}) {
      ++index;
      if (longSweep) {
        for (const ThumbnailBox box : kSweepBoxes) {
          for (const SweepShape& shape : sweepShapes(box, 2)) {
            expectSweepCase(sampling, progressive, shape, dir);
          }
        }
      } else {
        const ThumbnailBox box = kSweepBoxes[index % std::size(kSweepBoxes)];
        const SweepShape shape = sweepShapes(box, 16)[index % 16];
        expectSweepCase(sampling, progressive, shape, dir);
      }
      if (testing::Test::HasFatalFailure()) return;
    }
  }
}

}  // namespace
}  // namespace vok
