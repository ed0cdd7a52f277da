#include "convert/conversion_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "catalog/file_facts.h"
#include "codec/jpeg_codec.h"
#include "codec/jpeg_encoder.h"
#include "common/error.h"
#include "common/whole_number.h"
#include "convert/thumbnail_mark.h"
#include "support/file_size_limit.h"
#include "support/files.h"
#include "support/recording_window.h"
#include "support/temp_dir.h"
#include "support/test_picture.h"
#include "support/throws.h"

namespace vok {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

PageEnvironment fixedEnvironment() {
  PageEnvironment environment;
  environment.now = [] { return LocalDateTime{2006, 1, 31, 12, 34, 56}; };
  environment.fileFacts = readFileFacts;
  return environment;
}

// Each picture made on the run's thread when asked, pages with a fixed clock.
EngineSetup fixedSetup() {
  EngineSetup setup;
  setup.environment = fixedEnvironment();
  return setup;
}

std::size_t countOf(const Lines& lines, const std::string& line) {
  return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}

std::size_t occurrences(const std::string& text, const std::string& piece) {
  std::size_t count = 0;
  for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++count;
  return count;
}

struct RunFixture : testing::Test {
  test::TempDir dir;
  test::RecordingWindow window;
  RunLog log;
  ThumbnailOptions options;
  FixedCatalogSettings catalog;
  ConversionEngine engine{window, log, options, catalog, fixedSetup()};

  void SetUp() override {
    window.original = dir.path().string();
    window.thumbnail = window.original;
  }

  // Writes pictures of the given sizes named p1.jpg, p2.jpg, ... and lists them, all selected.
  void addPictures(int count, int width = 300, int height = 240) {
    for (int i = 1; i <= count; ++i) addPicture("p" + std::to_string(i) + ".jpg", width, height);
  }
  void addPicture(const std::string& name, int width, int height) {
    JpegCodec::encodeFile(test::texturedPicture(width, height), dir.file(name));
    window.files.push_back(name);
    window.selectAll();
  }
  std::string page(const std::string& name) const { return test::readText(dir.file(name)); }
  std::string path(const std::string& name) const { return dir.file(name); }
  int widthOf(const std::string& name) const {
    JpegCodec codec;
    codec.decodeFile(dir.file(name));
    return codec.width();
  }
  RunSummary run() { return engine.run(); }
};

std::string keptLine(const std::string& path) {
  return path + " is a picture that Vok did not make; it was not overwritten.";
}

TEST_F(RunFixture, ThumbnailNamesFollowTheAffixes) {
  addPicture("photo.JPG", 300, 240);
  addPicture("a.b.jpeg", 300, 240);
  run();
  EXPECT_TRUE(fs::exists(dir.file("_photo.jpg")));
  EXPECT_TRUE(fs::exists(dir.file("_a.b.jpg")));

  window.pre = "";
  window.post = "-s";
  window.files = {"photo.JPG"};
  window.selectAll();
  run();
  EXPECT_TRUE(fs::exists(dir.file("photo-s.jpg")));
}

TEST_F(RunFixture, ChecksStopTheRunWithoutTouchingTheLog) {
  addPictures(1);
  log.append("an earlier run");
  window.pre = window.post = "";
  run();
  window.pre = "_";
  window.selected.assign(1, false);
  run();
  ASSERT_EQ(window.messages.size(), 2u);
  EXPECT_EQ(window.messages[0].text, "Preamble and Postamble are empty.");
  EXPECT_EQ(window.messages[1].text, "No selected JPEG file.");
  EXPECT_EQ(window.messages[1].kind, MessageKind::kWarning);
  EXPECT_EQ(log.lines(), Lines{"an earlier run"});
  EXPECT_FALSE(fs::exists(dir.file("_p1.jpg")));
}

TEST_F(RunFixture, PlainRunLogsProgressesAndCleansUp) {
  addPictures(2);
  window.files.push_back("unselected.jpg");
  window.selected.push_back(false);
  run();
  EXPECT_EQ(log.lines(), (Lines{"***** Conversion Log *****", "Number of Files : 3",
                                "Number of Selected Files : 2"}));
  EXPECT_EQ(window.statusTexts, (Lines{
                                    "Converting (1/2)  p1.jpg",
                                    "",
                                    "Converting (2/2)  p2.jpg",
                                    "",
                                }));
  EXPECT_EQ(window.progressPositions, (std::vector<int>{1, 2, 0}));
  EXPECT_EQ(window.progressMaximum, 2);
  EXPECT_EQ(window.eventsProcessed, 3);
  EXPECT_FALSE(window.previewVisible);
  EXPECT_EQ(window.rereads, 1);
  JpegCodec thumbnail;
  thumbnail.decodeFile(dir.file("_p1.jpg"));
  EXPECT_EQ(thumbnail.width(), 150);
  EXPECT_EQ(thumbnail.height(), 120);
  EXPECT_FALSE(fs::exists(dir.file("index.html")));
}

TEST_F(RunFixture, IgnoreSizeIsStrictAndZeroLetsEverythingThrough) {
  addPicture("wide.jpg", 200, 300);
  addPicture("big.jpg", 201, 201);
  run();
  EXPECT_EQ(countOf(log.lines(), path("wide.jpg") + " is too small.  X=200  Y=300"), 1u);
  EXPECT_FALSE(fs::exists(dir.file("_wide.jpg")));
  EXPECT_TRUE(fs::exists(dir.file("_big.jpg")));
  EXPECT_TRUE(window.messages.empty());

  options.Warning = true;
  window.files = {"wide.jpg"};
  window.selectAll();
  run();
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].kind, MessageKind::kInformation);
  EXPECT_EQ(window.messages[0].button, MessageButton::kYes);
  EXPECT_EQ(window.messages[0].text, "wide.jpg\rPicture size is too small.\rX=200 , Y=300");

  options.IgnoreX = options.IgnoreY = 0;
  window.selectAll();
  run();
  EXPECT_TRUE(fs::exists(dir.file("_wide.jpg")));
}

TEST_F(RunFixture, CorruptFileIsAlwaysAnUnexpectedError) {
  addPictures(1);
  test::writeText(dir.file("bad.jpg"), "text");
  window.files.push_back("bad.jpg");
  window.selectAll();
  run();
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, "UnExpected Error.  File name is " + path("bad.jpg"));
  EXPECT_EQ(countOf(log.lines(), path("bad.jpg") + " is corrupt."), 1u);

  options.Warning = true;
  window.selectAll();
  run();
  ASSERT_EQ(window.messages.size(), 3u);
  EXPECT_EQ(window.messages[1].text, path("bad.jpg") + " is corrupt.");
  EXPECT_EQ(window.messages[2].text, "UnExpected Error.  File name is " + path("bad.jpg"));
}

TEST_F(RunFixture, SecondRunClearsTheFirstRunsLog) {
  addPictures(1);
  run();
  run();
  EXPECT_EQ(countOf(log.lines(), "***** Conversion Log *****"), 1u);
}

TEST_F(RunFixture, StartWhileRunningIsIgnored) {
  addPictures(3);
  window.onProcessEvents = [&] { run(); };
  run();
  EXPECT_EQ(countOf(log.lines(), "***** Conversion Log *****"), 1u);
  EXPECT_EQ(window.eventsProcessed, 3);
  EXPECT_FALSE(engine.running());
}

TEST_F(RunFixture, SmallerBoxReplacesTheProgramsOwnThumbnails) {
  addPictures(2);
  window.sizeX = window.sizeY = "200";
  EXPECT_EQ(run().converted, 2);
  EXPECT_EQ(widthOf("_p1.jpg"), 200);
  window.sizeX = "160";
  window.sizeY = "120";
  window.selectAll();
  const RunSummary summary = run();
  EXPECT_EQ(summary.converted, 2);
  EXPECT_EQ(summary.kept, 0);
  EXPECT_EQ(widthOf("_p1.jpg"), 150);
  EXPECT_EQ(widthOf("_p2.jpg"), 150);
}

TEST_F(RunFixture, OnlyAForeignPictureLargerThanTheBoxIsKept) {
  ThumbnailMark ownMark;
  ownMark.box = {200, 200};
  ownMark.sourceName = "p1.jpg";
  const std::string text = "not a picture";
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;  // found at the thumbnail's path
    bool kept;
  };
  const Case cases[] = {
      {"own thumbnail of a larger box",
       withMark(encodeJpeg(test::texturedPicture(200, 160)), ownMark), false},
      {"foreign JPEG that fits", encodeJpeg(test::texturedPicture(160, 120)), false},
      {"foreign JPEG wider than the box", encodeJpeg(test::texturedPicture(161, 40)), true},
      {"foreign JPEG taller than the box", encodeJpeg(test::texturedPicture(40, 121)), true},
      {"not a JPEG", {text.begin(), text.end()}, false},
  };
  addPictures(1);
  options.Warning = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::writeBytes(dir.file("_p1.jpg"), c.bytes);
    window.messages.clear();
    window.selectAll();
    const RunSummary summary = run();
    EXPECT_EQ(summary.kept, c.kept ? 1 : 0);
    EXPECT_EQ(summary.converted, c.kept ? 0 : 1);
    EXPECT_EQ(test::readBytes(dir.file("_p1.jpg")) == c.bytes, c.kept);
    EXPECT_EQ(countOf(log.lines(), keptLine(path("_p1.jpg"))), c.kept ? 1u : 0u);
    ASSERT_EQ(window.messages.size(), c.kept ? 1u : 0u);
    if (c.kept) {
      EXPECT_EQ(window.messages[0].text, keptLine(path("_p1.jpg")));
    }
  }
}

// Names up to the file system's limit: the temporary file must not need more.
TEST_F(RunFixture, LongestThumbnailNamesAreWritten) {
  for (const std::size_t length : {247u, 248u, 255u}) {
    const std::string base(length - 5, 'n');  // "_" + base + ".jpg"
    test::writeBytes(dir.file(base + ".jpg"), encodeJpeg(test::texturedPicture(300, 240)));
    window.files = {base + ".jpg"};
    window.selectAll();
    const RunSummary summary = run();
    EXPECT_FALSE(summary.stopped()) << length;
    EXPECT_EQ(summary.converted, 1) << length;
    EXPECT_TRUE(fs::exists(dir.file("_" + base + ".jpg"))) << length;
  }
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    EXPECT_NE(entry.path().filename().string().front(), '.') << "a temporary file was left";
  }
}

TEST_F(RunFixture, SummaryCountsWhatTheRunDid) {
  struct Case {
    bool html;
    bool multiPage;
    int pagesWritten;
  };
  for (const Case& c : {Case{false, false, 0}, Case{true, false, 1}, Case{true, true, 2}}) {
    SCOPED_TRACE(testing::Message() << "html " << c.html << " multi page " << c.multiPage);
    window.files.clear();
    addPictures(3);
    addPicture("small.jpg", 100, 100);
    test::writeText(dir.file("bad.jpg"), "text");
    window.files.push_back("bad.jpg");
    window.files.push_back("unselected.jpg");
    window.selectAll();
    window.selected.back() = false;
    test::writeBytes(dir.file("_p3.jpg"), encodeJpeg(test::texturedPicture(640, 480)));
    window.html = c.html;
    catalog.values().SingleMultiPage = c.multiPage ? 1 : 0;
    catalog.values().Column = "1";
    catalog.values().Row = "2";
    const RunSummary summary = run();
    EXPECT_EQ(summary.outcome, RunSummary::Outcome::kFinished);
    EXPECT_EQ(summary.selected, 5);
    EXPECT_EQ(summary.converted, 2);
    EXPECT_EQ(summary.tooSmall, 1);
    EXPECT_EQ(summary.unreadable, 1);
    EXPECT_EQ(summary.kept, 1);
    EXPECT_EQ(summary.pagesWritten, c.pagesWritten);
    EXPECT_FALSE(summary.error);
  }
}

TEST_F(RunFixture, RefusedRunsSaySo) {
  addPicture("small.jpg", 100, 100);
  window.html = true;
  const RunSummary nothingLeft = run();
  EXPECT_EQ(nothingLeft.outcome, RunSummary::Outcome::kRefused);
  EXPECT_EQ(nothingLeft.selected, 1);
  EXPECT_EQ(nothingLeft.tooSmall, 1);
  window.selectAll();
  window.pre = "";
  EXPECT_EQ(run().outcome, RunSummary::Outcome::kRefused);
}

struct WriteFailure {
  const char* what;
  std::string blocked;  // the thumbnail that cannot be written
  int error;            // and why
  friend void PrintTo(const WriteFailure& failure, std::ostream* out) { *out << failure.what; }
};

struct WriteFailureTest : RunFixture, testing::WithParamInterface<WriteFailure> {};

// The run stops at the first thumbnail it cannot write, with the file and the system's reason,
// and the page it had open is still a whole page.
TEST_P(WriteFailureTest, StopsTheRunAndEndsTheOpenPage) {
  addPictures(3);
  window.html = true;
  catalog.values().Column = "2";
  std::unique_ptr<test::FileSizeLimit> fullDisk;
  if (GetParam().error == EISDIR) fs::create_directory(dir.file(GetParam().blocked));
  if (GetParam().error == EFBIG) fullDisk = std::make_unique<test::FileSizeLimit>(4096);
  const RunSummary summary = run();
  fullDisk.reset();

  ASSERT_TRUE(summary.stopped());
  const auto message = test::errorMessageOf<FileWriteError>([&] { summary.rethrowError(); });
  ASSERT_TRUE(message);
  EXPECT_NE(message->find(path(GetParam().blocked)), std::string::npos) << *message;
  EXPECT_NE(message->find(std::strerror(GetParam().error)), std::string::npos) << *message;
  EXPECT_FALSE(fs::exists(dir.file("_p3.jpg"))) << "the run went on";
  EXPECT_EQ(window.rereads, 0);
  const std::string text = page("index.html");
  EXPECT_TRUE(text.ends_with("</HTML>\r\n")) << text;
  EXPECT_EQ(occurrences(text, "<TR>"), occurrences(text, "</TR>")) << text;
  EXPECT_EQ(occurrences(text, "</TABLE>"), 1u);
}

INSTANTIATE_TEST_SUITE_P(Causes, WriteFailureTest,
                         testing::Values(WriteFailure{"folder", "_p2.jpg", EISDIR},
                                         WriteFailure{"full_disk", "_p1.jpg", EFBIG}),
                         [](const auto& test) { return std::string(test.param.what); });

struct StopRequest {
  const char* what;
  int atEvent;  // events are let run once per entry: five in the size check, then five more
  int thumbnails;
  bool interrupted;
  friend void PrintTo(const StopRequest& stop, std::ostream* out) { *out << stop.what; }
};

struct StopRequestTest : RunFixture, testing::WithParamInterface<StopRequest> {};

// Asked to stop (the window closed, Ctrl+C), the run ends after the picture in hand: what it
// wrote is whole, the page it had open ends properly, and the log says where it stopped.
TEST_P(StopRequestTest, EndsAfterThePictureInHandWithWholePages) {
  const StopRequest& stop = GetParam();
  addPictures(5);
  window.html = true;
  catalog.values().Column = "2";
  catalog.values().Row = "2";
  catalog.values().SingleMultiPage = 1;
  window.onProcessEvents = [&] { window.stopAsked = window.eventsProcessed >= stop.atEvent; };
  const RunSummary summary = run();

  EXPECT_EQ(summary.interrupted(), stop.interrupted);
  EXPECT_EQ(summary.converted, stop.thumbnails);
  for (int i = 1; i <= 5; ++i)
    EXPECT_EQ(fs::exists(dir.file("_p" + std::to_string(i) + ".jpg")), i <= stop.thumbnails) << i;
  EXPECT_EQ(countOf(log.lines(), "Stopped on request after " + std::to_string(stop.atEvent % 5) +
                                     " of 5 files."),
            stop.interrupted ? 1u : 0u);
  if (stop.thumbnails == 0) {
    EXPECT_FALSE(fs::exists(dir.file("index.html")));
    return;
  }
  const std::string first = page("index.html");
  EXPECT_TRUE(first.ends_with("</HTML>\r\n")) << first;
  EXPECT_EQ(occurrences(first, "<TR>"), occurrences(first, "</TR>")) << first;
  EXPECT_EQ(occurrences(first, "<TD ALIGN="),
            static_cast<std::size_t>(std::min(stop.thumbnails, 4)));
  EXPECT_EQ(fs::exists(dir.file("index2.html")), stop.thumbnails == 5);
}

INSTANTIATE_TEST_SUITE_P(Moments, StopRequestTest,
                         testing::Values(StopRequest{"during_the_size_check", 2, 0, true},
                                         StopRequest{"inside_a_page", 8, 3, true},
                                         StopRequest{"during_the_last_picture", 10, 5, false}),
                         [](const auto& test) { return std::string(test.param.what); });

TEST_F(RunFixture, ColumnThatIsNotANumberStopsAfterTheCheck) {
  addPictures(1);
  window.html = true;
  catalog.values().Column = "abc";
  EXPECT_THROW(run().rethrowError(), NotWholeNumberError);
  EXPECT_EQ(log.lines().front(), "***** Check Size Log *****");
  EXPECT_EQ(countOf(log.lines(), "***** Conversion Log *****"), 0u);
  EXPECT_FALSE(fs::exists(dir.file("_p1.jpg")));

  window.html = false;
  EXPECT_THROW(run().rethrowError(), NotWholeNumberError) << "read on every run";
}

TEST_F(RunFixture, SizeCheckDeselectsAndRecounts) {
  addPictures(2);
  addPicture("small.jpg", 100, 100);
  test::writeText(dir.file("bad.jpg"), "text");
  window.files.push_back("bad.jpg");
  window.selectAll();
  window.html = true;
  options.Warning = true;
  run();

  const Lines expectedStart = {
      "***** Check Size Log *****",
      "Number of files : 4",
      "Number of Selected Files : 4",
      path("small.jpg") + " is too small.  X=100  Y=100",
      path("bad.jpg") + " is corrupt.",
      path("bad.jpg") + " is corrupt.",
      "***** Conversion Log *****",
      "Number of Files : 4",
      "Number of Selected Files : 2",
      "Page Mode: Single Page",
      "Column : 4",
      "FileName=" + path("index.html"),
  };
  ASSERT_GE(log.lines().size(), expectedStart.size());
  EXPECT_EQ(Lines(log.lines().begin(), log.lines().begin() + expectedStart.size()), expectedStart);
  ASSERT_EQ(window.messages.size(), 3u);
  EXPECT_EQ(window.messages[0].text, "small.jpg\rPicture size is too small.\rX=100 , Y=100");
  EXPECT_EQ(window.messages[1].text, path("bad.jpg") + " is corrupt.");
  EXPECT_EQ(window.messages[2].text, "bad.jpg\rFile is corrupt.");
  EXPECT_EQ(window.messages[2].kind, MessageKind::kInformation);
  EXPECT_EQ(occurrences(page("index.html"), "<TD ALIGN="), 2u);
}

TEST_F(RunFixture, NothingLeftAfterTheCheckEndsTheRun) {
  addPicture("small.jpg", 100, 100);
  window.html = true;
  run();
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, "No selected JPEG file.");
  EXPECT_EQ(countOf(log.lines(), "***** Check Size Log *****"), 1u);
  EXPECT_FALSE(fs::exists(dir.file("index.html")));
}

TEST_F(RunFixture, FivePicturesOnTwoByTwoPages) {
  addPictures(5);
  window.html = true;
  catalog.values().Column = "2";
  catalog.values().Row = "2";
  catalog.values().SingleMultiPage = 1;
  run();
  EXPECT_EQ(countOf(log.lines(), "Row : 2"), 1u);
  EXPECT_EQ(countOf(log.lines(), "Number of Page : 2"), 1u);
  EXPECT_EQ(countOf(log.lines(), "</HTML> Insertion."), 2u);
  EXPECT_EQ(countOf(log.lines(), "Dummy Cell Insertion."), 0u);
  const std::string first = page("index.html"), second = page("index2.html");
  EXPECT_EQ(occurrences(first, "<TD ALIGN="), 4u);
  EXPECT_NE(first.find("<P>Page 1/2 [<A HREF=\"index2.html\">Next</A>]"), std::string::npos);
  EXPECT_EQ(occurrences(second, "<TD ALIGN="), 1u);
  EXPECT_NE(second.find("</TD></TR></TABLE>\r\n"), std::string::npos);
  EXPECT_EQ(occurrences(second, "<TD>&nbsp;</TD>"), 0u);
  EXPECT_TRUE(first.ends_with("</HTML>\r\n") && second.ends_with("</HTML>\r\n"));
}

TEST_F(RunFixture, SinglePageFillsTheLastRowUnderFullRows) {
  addPictures(5);
  window.html = true;
  catalog.values().Column = "3";
  run();
  EXPECT_EQ(countOf(log.lines(), "Dummy Cell Insertion."), 1u);
  EXPECT_EQ(countOf(log.lines(), "Row : 5"), 0u);
  EXPECT_NE(page("index.html").find("</TD><TD>&nbsp;</TD></TR>\r\n</TABLE>\r\n"),
            std::string::npos);
}

TEST_F(RunFixture, ExactMultiplesOfAPageAreFinishedOnce) {
  for (const int count : {4, 8}) {
    window.files.clear();
    addPictures(count);
    window.html = true;
    catalog.values().Column = "2";
    catalog.values().Row = "2";
    catalog.values().SingleMultiPage = 1;
    run();
    EXPECT_EQ(countOf(log.lines(), "</HTML> Insertion."), static_cast<std::size_t>(count / 4));
    EXPECT_EQ(occurrences(page("index.html"), "</HTML>"), 1u);
    if (count == 8) {
      EXPECT_EQ(occurrences(page("index2.html"), "</HTML>"), 1u);
    }
  }
}

TEST_F(RunFixture, ThumbnailFolderInsideIsLinkedRelatively) {
  fs::create_directory(dir.file("thumb"));
  addPictures(1);
  window.thumbnail = dir.file("thumb");
  window.html = true;
  run();
  EXPECT_TRUE(fs::exists(dir.file("thumb/_p1.jpg")));
  EXPECT_NE(page("index.html").find("<IMG SRC=\"thumb/_p1.jpg\""), std::string::npos);
}

}  // namespace
}  // namespace vok

namespace vok {
namespace {

struct UpdateCase {
  const char* what;
  std::function<void(RunFixture&)> change;  // made between the first run and the re-run
  std::set<std::string> upToDate;           // the pictures the re-run leaves alone
  friend void PrintTo(const UpdateCase& c, std::ostream* out) { *out << c.what; }
};

struct UpdateTest : RunFixture, testing::WithParamInterface<UpdateCase> {};

// A time no run writes: a thumbnail that still has it was not written again.
const fs::file_time_type kLongAgo =
    fs::file_time_type::clock::now() - std::chrono::hours(24 * 3650);

// A re-run with "update only changed" decodes only what changed; its log names each picture it
// left alone, and its pages are byte for byte those of a full run.
TEST_P(UpdateTest, LeavesUpToDateThumbnailsAndRemakesTheRest) {
  addPictures(3);
  window.html = true;
  catalog.values().Column = "2";
  options.UpdateOnly = true;
  run();
  GetParam().change(*this);
  const std::vector<std::string> names = {"p1.jpg", "p2.jpg", "p3.jpg"};
  for (const std::string& name : names)
    if (fs::exists(path("_" + name))) fs::last_write_time(path("_" + name), kLongAgo);
  window.selectAll();
  run();
  std::set<std::string> leftAlone;
  for (const std::string& line : log.lines())
    if (line.ends_with(" is up to date."))
      leftAlone.insert(fs::path(line.substr(0, line.size() - 15)).filename());
  EXPECT_EQ(leftAlone, GetParam().upToDate);
  for (const std::string& name : names)
    EXPECT_EQ(fs::last_write_time(path("_" + name)) == kLongAgo, GetParam().upToDate.contains(name))
        << name;

  const std::string updated = page("index.html");
  std::map<std::string, std::vector<std::uint8_t>> thumbnails;
  for (const std::string& name : names) thumbnails[name] = test::readBytes(dir.file("_" + name));
  options.UpdateOnly = false;
  window.selectAll();
  run();
  EXPECT_EQ(updated, page("index.html"));
  for (const auto& [name, bytes] : thumbnails)
    EXPECT_TRUE(bytes == test::readBytes(dir.file("_" + name))) << name;
}

void touch(RunFixture& f, const char* name, std::chrono::seconds by) {
  fs::last_write_time(f.path(name), fs::last_write_time(f.path(name)) + by);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, UpdateTest,
    testing::Values(
        UpdateCase{"unchanged", [](RunFixture&) {}, {"p1.jpg", "p2.jpg", "p3.jpg"}},
        UpdateCase{"one_picture_touched",
                   [](RunFixture& f) { touch(f, "p2.jpg", std::chrono::seconds(10)); },
                   {"p1.jpg", "p3.jpg"}},
        UpdateCase{"restored_with_an_older_time",
                   [](RunFixture& f) { touch(f, "p1.jpg", -std::chrono::hours(48)); },
                   {"p2.jpg", "p3.jpg"}},
        UpdateCase{"thumbnail_deleted",
                   [](RunFixture& f) { fs::remove(f.path("_p3.jpg")); },
                   {"p1.jpg", "p2.jpg"}},
        UpdateCase{"made_by_another_program",
                   [](RunFixture& f) {
                     JpegCodec::encodeFile(test::texturedPicture(50, 40), f.path("_p2.jpg"));
                   },
                   {"p1.jpg", "p3.jpg"}},
        UpdateCase{"box_changed", [](RunFixture& f) { f.window.sizeX = "100"; }, {}},
        UpdateCase{"smooth_turned_on", [](RunFixture& f) { f.options.Smooth = true; }, {}},
        UpdateCase{
            "auto_orient_turned_on", [](RunFixture& f) { f.options.AutoOrient = true; }, {}}),
    [](const auto& test) { return std::string(test.param.what); });

// A picture whose header lies behind large segments (previews, colour profiles) is still found
// up to date, with its size in the catalog.
TEST_F(RunFixture, UpToDateBehindLargeSegmentsBeforeTheHeader) {
  addPicture("p.jpg", 300, 240);
  std::vector<unsigned char> bytes = test::readBytes(path("p.jpg"));
  std::vector<unsigned char> segment = {0xFF, 0xEF, 0xFF, 0xFF};  // APP15 of 65,535 bytes
  segment.resize(2 + 0xFFFF, 0);
  for (int i = 0; i < 5; ++i) bytes.insert(bytes.begin() + 2, segment.begin(), segment.end());
  test::writeBytes(path("p.jpg"), bytes);
  window.html = true;
  options.UpdateOnly = true;
  run();
  const std::string full = page("index.html");
  window.selectAll();
  run();
  EXPECT_EQ(countOf(log.lines(), path("p.jpg") + " is up to date."), 1u);
  EXPECT_EQ(page("index.html"), full);
}

}  // namespace
}  // namespace vok
