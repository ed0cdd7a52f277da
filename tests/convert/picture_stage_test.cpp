#include "convert/picture_stage.h"

#include <gtest/gtest.h>

#include "codec/jpeg_codec.h"
#include "common/error.h"
#include "support/files.h"
#include "support/recording_window.h"
#include "support/temp_dir.h"

namespace vok {
namespace {

struct StageFixture : testing::Test {
  test::RecordingWindow window;
  RunLog log;
  ThumbnailOptions options;
  PictureStage stage{window, log, options};
};

TEST_F(StageFixture, ShowsAFittedPictureCentredInTheBox) {
  ASSERT_TRUE(stage.ShowPicture(test::jpegCorpus("exif-orientation-6-308x231.jpg").string()));
  EXPECT_EQ(stage.pictureWidth(), 308);
  EXPECT_EQ(stage.pictureHeight(), 231);
  EXPECT_EQ(stage.canvas().width(), 160);
  EXPECT_EQ(stage.canvas().height(), 120);

  ASSERT_TRUE(stage.ShowPicture(test::jpegCorpus("exif-orientation-3-308x410.jpg").string()));
  EXPECT_EQ(stage.canvas().width(), 90);
  EXPECT_EQ(window.previewLeft, 35);  // (160 - 90) / 2
  EXPECT_EQ(window.previewTop, 0);
  EXPECT_TRUE(log.lines().empty());
  EXPECT_TRUE(window.messages.empty());
}

TEST_F(StageFixture, PictureThatFitsIsCopiedPixelForPixel) {
  const auto path = test::jpegCorpus("baseline-422-100x75.jpg").string();
  ASSERT_TRUE(stage.ShowPicture(path));
  JpegCodec codec;
  codec.decodeFile(path);
  EXPECT_TRUE(stage.canvas() == codec.raster());
  EXPECT_EQ(window.previewLeft, 30);
  EXPECT_EQ(window.previewTop, 22);  // the spare pixel goes below
}

TEST_F(StageFixture, UnreadableFileIsLoggedAndShownOnlyWithWarning) {
  test::TempDir dir;
  const auto text = dir.file("notes.jpg");
  test::writeText(text, "not a picture");
  const auto empty = dir.file("empty.jpg");
  test::writeText(empty, "");

  EXPECT_FALSE(stage.ShowPicture(text));
  EXPECT_FALSE(stage.ShowPicture(empty));
  EXPECT_TRUE(window.messages.empty());

  options.Warning = true;
  EXPECT_FALSE(stage.ShowPicture(dir.file("missing.jpg")));
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].kind, MessageKind::kWarning);
  EXPECT_EQ(window.messages[0].button, MessageButton::kOk);
  EXPECT_EQ(window.messages[0].text, dir.file("missing.jpg") + " is corrupt.");
  EXPECT_EQ(log.lines(), (std::vector<std::string>{text + " is corrupt.", empty + " is corrupt.",
                                                   dir.file("missing.jpg") + " is corrupt."}));
}

TEST_F(StageFixture, BoxThatIsNotANumberMakesEveryPictureCorrupt) {
  window.sizeX = "abc";
  const auto path = test::jpegCorpus("baseline-420-227x149.jpg").string();
  EXPECT_FALSE(stage.ShowPicture(path));
  EXPECT_EQ(log.lines(), std::vector<std::string>{path + " is corrupt."});
}

TEST_F(StageFixture, FailedLoadKeepsThePreviousPictureSize) {
  ASSERT_TRUE(stage.ShowPicture(test::jpegCorpus("baseline-420-227x149.jpg").string()));
  EXPECT_FALSE(stage.ShowPicture(test::jpegCorpus("zero-bytes.jpg").string()));
  EXPECT_EQ(stage.pictureWidth(), 227);
  EXPECT_EQ(stage.canvas().width(), 160);
}

TEST_F(StageFixture, SavedThumbnailReadsBackAtTheCanvasSize) {
  test::TempDir dir;
  ASSERT_TRUE(stage.ShowPicture(test::jpegCorpus("greyscale-128x128.jpg").string()));
  const auto path = dir.file("_grey.jpg");
  test::writeText(path, "an older thumbnail");
  stage.SaveThumbnail(path);
  JpegCodec codec;
  codec.decodeFile(path);
  EXPECT_EQ(codec.width(), 120);
  EXPECT_EQ(codec.height(), 120);
  EXPECT_FALSE(codec.isGreyscale()) << "thumbnails always have three components";
  if (test::haveTool("djpeg")) {
    EXPECT_EQ(test::runCommand("djpeg " + test::shellQuote(path) + " > /dev/null").status, 0);
  }
}

TEST_F(StageFixture, SaveIntoAMissingFolderFailsAndWritesNothing) {
  test::TempDir dir;
  ASSERT_TRUE(stage.ShowPicture(test::jpegCorpus("tiny-3x3.jpg").string()));
  EXPECT_THROW(stage.SaveThumbnail(dir.file("missing/_tiny.jpg")), FileWriteError);
}

}  // namespace
}  // namespace vok
