#include "convert/picture_stage.h"

#include <gtest/gtest.h>

#include "codec/jpeg_codec.h"
#include "common/error.h"
#include "convert/thumbnail_mark.h"
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

TEST_F(StageFixture, SavedThumbnailCarriesTheMarkRightAfterItsJfifHeader) {
  test::TempDir dir;
  const auto source = test::jpegCorpus("baseline-420-227x149.jpg").string();
  ASSERT_TRUE(stage.ShowPicture(source));
  const auto path = dir.file("_t.jpg");
  stage.SaveThumbnail(path);
  const auto first = test::readBytes(path);
  const std::string text = markText(markOf(source, {160, 120}));
  const std::size_t comment = 2 + 2 + 16;  // start marker, JFIF marker and its 16 bytes
  ASSERT_GT(first.size(), comment + 4 + text.size());
  EXPECT_EQ(first[comment], 0xFF);
  EXPECT_EQ(first[comment + 1], 0xFE);
  EXPECT_EQ(std::string(first.begin() + comment + 4, first.begin() + comment + 4 + text.size()),
            text);
  EXPECT_TRUE(withoutMark(first) == makeThumbnail(source, stage.currentRecipe()).encoded)
      << "only the comment is added";
  stage.SaveThumbnail(path);
  EXPECT_TRUE(test::readBytes(path) == first) << "the same picture gives the same bytes";
}

TEST(ThumbnailMark, TextNamesTheProgramTheBoxAndTheSource) {
  ThumbnailMark mark;
  mark.box = {160, 120};
  mark.sourceName = "a\x01\xC3\xA9\\b.jpg";
  mark.sourceBytes = 1234;
  mark.sourceModifiedNs = 1700000000123456789;
  EXPECT_EQ(markText(mark),
            "program=Vok\nbox=160x120\nsource=a\\x01\\xC3\\xA9\\x5Cb.jpg\nsource-bytes=1234\n"
            "source-mtime-ns=1700000000123456789\n");
  const auto plain = test::readBytes(test::jpegCorpus("tiny-3x3.jpg"));
  EXPECT_FALSE(carriesMark(plain));
  EXPECT_TRUE(carriesMark(withMark(plain, mark)));
  EXPECT_TRUE(withoutMark(withMark(plain, mark)) == plain);
  EXPECT_EQ(readMark(withMark(plain, mark)), mark);
  EXPECT_FALSE(readMark(plain));

  // The recipe's other values are written only when set, so plain thumbnails keep their bytes.
  mark.smooth = true;
  mark.orientation = 6;
  mark.pixelRules = 2;
  EXPECT_TRUE(markText(mark).ends_with("smooth=1\norientation=6\npixel-rules=2\n"));
  EXPECT_EQ(readMark(withMark(plain, mark)), mark);
}

}  // namespace
}  // namespace vok
