// vok-batch as a user runs it: real folders, real files, the reference tools on what it wrote.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <set>

#include "codec/jpeg_codec.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/test_jpeg.h"
#include "support/test_picture.h"
#include "support/unprivileged.h"

namespace vok {
namespace {

namespace fs = std::filesystem;
using test::shellQuote;
using Lines = std::vector<std::string>;

const std::string kTool = std::string(VOK_BINARY_DIR) + "/app/vok-batch";

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

Outcome runTool(const std::string& arguments, const test::TempDir& scratch,
                const std::string& settings = "settings", const std::string& tool = kTool) {
  const std::string errFile = scratch.file("stderr.txt");
  // Each test keeps its settings in its own scratch folder, never in the user's.
  const test::CommandResult result =
      test::runCommand("VOK_SETTINGS_FILE=" + shellQuote(scratch.file(settings)) + " " +
                       shellQuote(tool) + " " + arguments + " 2>" + shellQuote(errFile));
  return {result.status, result.output, test::readText(errFile)};
}

Lines linesOf(const std::string& text) {
  Lines lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

struct BatchFixture : testing::Test {
  test::TempDir scratch;
  test::TempDir photos;

  void addPicture(const std::string& name, int width, int height) {
    JpegCodec::encodeFile(test::texturedPicture(width, height), photos.file(name));
  }
  std::string folder() const { return shellQuote(photos.path().string()); }
  std::string at(const std::string& name) const { return shellQuote(photos.file(name)); }
};

TEST_F(BatchFixture, WrongArgumentCountIsAUsageError) {
  addPicture("a.jpg", 300, 300);
  const Outcome outcome = runTool(folder() + " " + folder() + " 160 120 _", scratch);
  EXPECT_EQ(outcome.status, 2);
  EXPECT_NE(outcome.err.find("expected 6 arguments, got 5"), std::string::npos);
  EXPECT_FALSE(fs::exists(photos.file("_a.jpg")));
  EXPECT_EQ(runTool("--help", scratch).status, 0);
  EXPECT_EQ(runTool("--no-such-option " + folder(), scratch).status, 2);
}

TEST_F(BatchFixture, AffixesNullAndArgumentsThatLookLikeOptions) {
  addPicture("a.jpg", 300, 300);
  fs::create_directory(photos.file("th"));
  const Outcome outcome = runTool(folder() + " " + at("th") + " 120 90 NULL -s", scratch);
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  JpegCodec thumbnail;
  thumbnail.decodeFile(photos.file("th/a-s.jpg"));
  EXPECT_EQ(thumbnail.width(), 90);
  EXPECT_EQ(thumbnail.height(), 90);

  EXPECT_EQ(runTool(folder() + " " + folder() + " 120 90 null NULL", scratch).status, 0);
  EXPECT_TRUE(fs::exists(photos.file("nulla.jpg"))) << "only NULL in capitals is empty";

  const Outcome empty = runTool(folder() + " " + folder() + " 120 90 NULL NULL", scratch);
  EXPECT_EQ(linesOf(empty.err), Lines{"warning: Preamble and Postamble are empty."});
}

TEST_F(BatchFixture, ThumbnailFolderBreakingTheRuleFallsBackToTheOriginal) {
  addPicture("a.jpg", 300, 300);
  fs::create_directories(photos.file("th/small"));
  const Outcome deep = runTool(folder() + " " + at("th/small") + " 160 120 _ NULL", scratch);
  EXPECT_EQ(deep.status, 0);
  EXPECT_EQ(linesOf(deep.err), Lines{"warning: Thumbnail directory is too deep.  Only one level "
                                     "lower directory is permitted."});
  EXPECT_TRUE(fs::exists(photos.file("_a.jpg")));

  test::TempDir elsewhere;
  const Outcome outside =
      runTool(folder() + " " + shellQuote(elsewhere.path().string()) + " 160 120 _ NULL", scratch);
  EXPECT_EQ(linesOf(outside.err), Lines{"warning: Thumbnail directory must be under Original Dir(" +
                                        photos.path().string() + ")."});
  EXPECT_TRUE(fs::is_empty(elsewhere.path()));
}

TEST_F(BatchFixture, FolderWithoutPicturesSaysSoTwice) {
  test::writeText(photos.file("notes.txt"), "no pictures here");
  const Outcome outcome = runTool(folder() + " " + folder() + " 160 120 _ NULL", scratch);
  EXPECT_EQ(linesOf(outcome.err), (Lines{"warning: There is no JPEG file in the directory.",
                                         "warning: No selected JPEG file."}));
  EXPECT_EQ(outcome.status, 4);
}

TEST_F(BatchFixture, MissingFolderAndTinyBoxAreRefusedBeforeAnyFileIsTouched) {
  addPicture("a.jpg", 300, 300);
  EXPECT_EQ(runTool(at("missing") + " " + folder() + " 160 120 _ NULL", scratch).status, 2);
  const Outcome tiny = runTool(folder() + " " + folder() + " 0 120 _ NULL", scratch);
  EXPECT_EQ(tiny.status, 2);
  EXPECT_NE(tiny.err.find("at least 1 x 1"), std::string::npos);
  EXPECT_FALSE(fs::exists(photos.file("_a.jpg")));
}

TEST_F(BatchFixture, BoxThatIsNotAWholeNumberTouchesNothing) {
  addPicture("a.jpg", 300, 300);
  for (const std::string box : {"abc 120", "120 1.5", "'12 ' 120", "'' 120"}) {
    const Outcome outcome =
        runTool("--save " + folder() + " " + folder() + " " + box + " _ NULL", scratch);
    EXPECT_EQ(outcome.status, 2) << box;
    EXPECT_TRUE(outcome.out.empty()) << box;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(photos.path()), {}), 1);
  EXPECT_FALSE(fs::exists(scratch.file("settings"))) << "the store is not touched";
}

// What the folder holds, the command line, and the status it must give.
struct StatusCase {
  const char* what;
  std::vector<std::pair<std::string, std::string>> files;  // name, "WxH" or the file's text
  std::string arguments;  // ORIGINAL and THUMBNAIL are the folder; DIR is replaced by it
  int status;
  std::string settings = "settings";  // the store's path in the scratch folder
  friend void PrintTo(const StatusCase& c, std::ostream* out) { *out << c.what; }
};

struct ExitStatusTest : BatchFixture, testing::WithParamInterface<StatusCase> {};

TEST_P(ExitStatusTest, StatusSaysWhatHappened) {
  const StatusCase& c = GetParam();
  for (const auto& [name, content] : c.files) {
    int width = 0, height = 0;
    if (content == "folder") {
      fs::create_directory(photos.file(name));
    } else if (std::sscanf(content.c_str(), "%dx%d", &width, &height) == 2) {
      addPicture(name, width, height);
    } else {
      test::writeText(photos.file(name), content);
    }
  }
  test::writeText(scratch.file("a-file"), "");
  const std::string arguments =
      std::regex_replace(c.arguments, std::regex("DIR"), photos.path().string());
  const Outcome outcome = runTool(arguments, scratch, c.settings);
  EXPECT_EQ(outcome.status, c.status) << outcome.err;
}

const std::string kPlain = "DIR DIR 160 120 _ NULL";

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitStatusTest,
    testing::Values(
        StatusCase{"AllConverted", {{"a.jpg", "300x300"}, {"b.jpg", "100x100"}}, kPlain, 0},
        StatusCase{"SomeUnreadable", {{"a.jpg", "300x300"}, {"b.jpg", "text"}}, kPlain, 1},
        StatusCase{"PhotoInTheWayKept", {{"a.jpg", "300x300"}, {"_a.jpg", "640x480"}}, kPlain, 1},
        StatusCase{"MissingFolder", {}, "DIR/missing DIR 160 120 _ NULL", 2},
        StatusCase{"BoxNotANumber", {{"a.jpg", "300x300"}}, "DIR DIR 16O 120 _ NULL", 2},
        StatusCase{"ThumbnailNotWritable", {{"a.jpg", "300x300"}, {"_a.jpg", "folder"}}, kPlain, 3},
        StatusCase{"NotWritableWinsOverUnreadable",
                   {{"0.jpg", "text"}, {"a.jpg", "300x300"}, {"_a.jpg", "folder"}},
                   kPlain,
                   3},
        StatusCase{"ColumnNotANumber", {{"a.jpg", "300x300"}}, "--html --columns 4a " + kPlain, 3},
        StatusCase{
            "StoreNotSavable", {{"a.jpg", "300x300"}}, "--save " + kPlain, 3, "a-file/settings"},
        StatusCase{"BothAffixesEmpty", {{"a.jpg", "300x300"}}, "DIR DIR 160 120 NULL NULL", 4},
        StatusCase{"NoJpegFile", {{"notes.txt", "text"}}, kPlain, 4},
        StatusCase{"EveryPictureTooSmall", {{"a.jpg", "100x100"}}, kPlain, 4},
        StatusCase{"NothingLeftAfterTheSizeCheck", {{"a.jpg", "100x100"}}, "--html " + kPlain, 4},
        StatusCase{
            "UnreadableWinsOverTooSmall", {{"a.jpg", "100x100"}, {"b.jpg", "text"}}, kPlain, 1},
        StatusCase{"UnreadableWinsOverNothingLeft", {{"b.jpg", "text"}}, "--html " + kPlain, 1}),
    [](const auto& test) { return std::string(test.param.what); });

// Whatever reports it (the run, the options, the settings store), every message on standard error
// carries the prefix of its kind.
TEST_F(BatchFixture, EveryMessageOnStandardErrorCarriesItsPrefix) {
  addPicture("a.jpg", 300, 300);
  test::writeText(scratch.file("settings"), std::string("\x01\x02 not a store\n", 16));
  const Outcome outcome =
      runTool("--warning " + std::regex_replace(kPlain, std::regex("DIR"), photos.path().string()),
              scratch);
  EXPECT_EQ(outcome.status, 0);
  const Lines lines = linesOf(outcome.err);
  ASSERT_FALSE(lines.empty());
  for (const std::string& line : lines)
    EXPECT_TRUE(line.rfind("warning: ", 0) == 0 || line.rfind("information: ", 0) == 0 ||
                line.rfind("error: ", 0) == 0)
        << line;
}

// A store the user may not read stops the tool before anything is converted: going on with the
// defaults would hide the user's choices.
TEST_F(BatchFixture, StoreThatMayNotBeReadStopsWithExitThree) {
  addPicture("a.jpg", 300, 300);
  test::writeText(scratch.file("settings"), "[\\software\\Tessaly_Vok\\formMain]\nThumbX = 150\n");
  fs::permissions(scratch.file("settings"), fs::perms::owner_write);
  fs::permissions(photos.path(), fs::perms::all);
  // The build folder may be closed to other users: the unprivileged user runs a copy of the tool.
  fs::copy_file(kTool, scratch.file("vok-batch"));
  const bool stopped = test::runUnprivileged(scratch.path(), [&] {
    const Outcome outcome =
        runTool(std::regex_replace(kPlain, std::regex("DIR"), photos.path().string()), scratch,
                "settings", scratch.file("vok-batch"));
    return outcome.status == 3 &&
           outcome.err.find("cannot be read (Permission denied)") != std::string::npos &&
           !fs::exists(photos.file("_a.jpg"));
  });
  EXPECT_TRUE(stopped);
  EXPECT_EQ(test::readText(scratch.file("settings")),
            "[\\software\\Tessaly_Vok\\formMain]\nThumbX = 150\n");
}

// A JPEG of two components has no colour the reduction knows: it is unreadable, not a thumbnail
// made of whatever lies beyond its rows.
TEST_F(BatchFixture, TwoComponentPictureIsReportedCorrupt) {
  addPicture("a.jpg", 300, 300);
  const test::TestJpegShape twoComponents{300, 300, {{1, 1}, {1, 1}}};
  test::writeTestJpeg(photos.file("two.jpg"), twoComponents, test::texturedRows(300, 2));
  const Outcome outcome = runTool(folder() + " " + folder() + " 160 120 _ NULL", scratch);
  EXPECT_EQ(outcome.status, 1) << outcome.err;
  EXPECT_NE(outcome.out.find(photos.file("two.jpg") + " is corrupt."), std::string::npos)
      << outcome.out;
  EXPECT_TRUE(fs::exists(photos.file("_a.jpg")));
  EXPECT_FALSE(fs::exists(photos.file("_two.jpg")));
}

TEST_F(BatchFixture, UnwritableThumbnailStopsWithExitThree) {
  addPicture("a.jpg", 300, 300);
  fs::create_directory(photos.file("_a.jpg"));  // a folder where the thumbnail should go
  const Outcome outcome =
      runTool("--quiet " + folder() + " " + folder() + " 160 120 _ NULL", scratch);
  EXPECT_EQ(outcome.status, 3);
  EXPECT_NE(outcome.err.find("error: ファイル " + photos.file("_a.jpg") + " を作成できません"),
            std::string::npos)
      << outcome.err;
  EXPECT_TRUE(outcome.out.empty());
}

TEST_F(BatchFixture, SaveStoresTheValuesUsedForTheNextRun) {
  addPicture("a.jpg", 300, 300);
  addPicture("b.jpg", 150, 150);
  const Outcome saved = runTool("--save --ignore-size 100x100 --title Holiday " + folder() + " " +
                                    folder() + " 120 90 NULL -s",
                                scratch);
  EXPECT_EQ(saved.status, 0) << saved.err;
  EXPECT_TRUE(fs::exists(photos.file("b-s.jpg")));
  const std::string store = test::readText(scratch.file("settings"));
  for (const char* value : {"ThumbX = \"120\"", "IgnoreX = \"100\"", "\"Holiday\"", "\"-s\""}) {
    EXPECT_NE(store.find(value), std::string::npos) << value << " in\n" << store;
  }

  // Without --save the stored ignore size and title are used, and the store is left alone.
  const Outcome later = runTool("--html " + folder() + " " + folder() + " 120 90 _ NULL", scratch);
  EXPECT_EQ(later.status, 0) << later.err;
  EXPECT_TRUE(fs::exists(photos.file("_b.jpg")));
  EXPECT_NE(test::readText(photos.file("index.html")).find("<TITLE>Holiday</TITLE>"),
            std::string::npos);
  EXPECT_EQ(test::readText(scratch.file("settings")), store);
}

TEST_F(BatchFixture, ValueOfWrongTypeKeepsTheOtherSectionAndSaveKeepsWhatItCouldNotRead) {
  addPicture("a.jpg", 300, 300);
  const std::string store =
      "[\\software\\Tessaly_Vok\\formMain]\nPreamble = dword:00000001\nIgnoreX = \"99\"\n"
      "[\\software\\Tessaly_Vok\\formHTML]\nTitle = \"Mine\"\n";
  test::writeText(scratch.file("settings"), store);
  const Outcome outcome =
      runTool("--save --html " + folder() + " " + folder() + " 120 90 _ NULL", scratch);
  EXPECT_EQ(linesOf(outcome.err), Lines{"error: Invalid data type for 'Preamble'"});
  EXPECT_NE(test::readText(photos.file("index.html")).find("<TITLE>Mine</TITLE>"),
            std::string::npos);
  const std::string saved = test::readText(scratch.file("settings"));
  for (const char* kept : {"Preamble = dword:00000001", "IgnoreX = \"99\"", "Title = \"Mine\""}) {
    EXPECT_NE(saved.find(kept), std::string::npos) << kept << " in\n" << saved;
  }
}

// Column and Row come from the store unchecked: a count below 1 stops only a run that uses it.
TEST_F(BatchFixture, StoredCountBelowOneStopsOnlyTheRunsThatUseIt) {
  addPicture("a.jpg", 300, 300);
  const struct {
    const char* stored;
    const char* options;
    int status;
  } cases[] = {{"Row = \"0\"", "--html", 0},
               {"Row = \"0\"", "--html --multi-page", 3},
               {"Column = \"-1\"", "", 0},
               {"Column = \"-1\"", "--html", 3},
               {"Row = \"x\"", "", 3}};
  for (const auto& c : cases) {
    test::writeText(scratch.file("settings"),
                    std::string("[\\software\\Tessaly_Vok\\formHTML]\n") + c.stored + "\n");
    fs::remove(photos.file("_a.jpg"));
    const Outcome outcome = runTool(
        std::string(c.options) + " " + folder() + " " + folder() + " 120 90 _ NULL", scratch);
    const std::string label = std::string(c.stored) + " " + c.options;
    EXPECT_EQ(outcome.status, c.status) << label << "\n" << outcome.err;
    EXPECT_EQ(fs::exists(photos.file("_a.jpg")), c.status == 0) << label;
    if (c.status != 0) {
      const std::string text = std::string(c.stored).substr(std::string(c.stored).find('"'));
      EXPECT_EQ(linesOf(outcome.err), Lines{"error: '" + text.substr(1, text.size() - 2) +
                                            "' is not a valid integer value."})
          << label;
    }
  }
}

// Every HREF and SRC of a page, as written (the names here need no decoding).
std::set<std::string> linksOf(const std::string& page) {
  std::set<std::string> links;
  const std::regex link("(HREF|SRC)=\"([^\"]*)\"");
  for (auto it = std::sregex_iterator(page.begin(), page.end(), link); it != std::sregex_iterator();
       ++it) {
    if ((*it)[2].str().rfind("mailto:", 0) != 0) links.insert((*it)[2].str());
  }
  return links;
}

TEST_F(BatchFixture, MultiPageCatalogOfRealPhotosEndToEnd) {
  const fs::path samples = test::samplePhotos();
  for (const auto& entry : fs::directory_iterator(samples)) {
    if (entry.path().extension() == ".jpg")
      fs::copy_file(entry.path(), photos.file(entry.path().filename()));
  }
  addPicture("small.jpg", 150, 150);
  fs::create_directory(photos.file("thumbs"));
  const std::string arguments = "--html --multi-page --columns 2 --rows 1 --title 'My photos' " +
                                folder() + " " + at("thumbs") + " 160 120 _ NULL";
  const Outcome outcome = runTool(arguments, scratch);
  ASSERT_EQ(outcome.status, 0) << outcome.err;

  const Lines log = linesOf(outcome.out);
  const Lines expectedStart = {"***** Check Size Log *****",
                               "Number of files : 4",
                               "Number of Selected Files : 4",
                               photos.file("small.jpg") + " is too small.  X=150  Y=150",
                               "***** Conversion Log *****",
                               "Number of Files : 4",
                               "Number of Selected Files : 3",
                               "Page Mode: Multi Page",
                               "Column : 2",
                               "Row : 1",
                               "Number of Page : 2",
                               "FileName=" + photos.file("index.html")};
  ASSERT_GE(log.size(), expectedStart.size());
  EXPECT_EQ(Lines(log.begin(), log.begin() + expectedStart.size()), expectedStart);
  EXPECT_EQ(std::count(log.begin(), log.end(), "</HTML> Insertion."), 2);

  for (const char* name : {"index.html", "index2.html"}) {
    const std::string page = test::readText(photos.file(name));
    EXPECT_NE(page.find("<TITLE>My photos</TITLE>\r\n"), std::string::npos) << name;
    for (const std::string& link : linksOf(page)) {
      EXPECT_TRUE(fs::exists(photos.path() / link)) << name << " links to " << link;
    }
    if (test::haveTool("tidy")) {
      EXPECT_LT(test::runCommand("tidy -q -errors " + at(name) + " 2>/dev/null").status, 2) << name;
    }
  }
  for (const auto& entry : fs::directory_iterator(photos.file("thumbs"))) {
    if (test::haveTool("djpeg")) {
      EXPECT_EQ(
          test::runCommand("djpeg " + shellQuote(entry.path().string()) + " >/dev/null").status, 0);
    }
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(photos.file("thumbs")), {}), 3);
}

TEST_F(BatchFixture, OneJobAndTwoJobsWriteTheSameFiles) {
  std::vector<fs::path> sources;
  for (const auto& entry : fs::directory_iterator(test::jpegCorpus(""))) {
    if (entry.path().extension() == ".jpg") sources.push_back(entry.path());
  }
  test::TempDir first, second;
  for (const test::TempDir* target : {&first, &second}) {
    for (const fs::path& source : sources) {
      // The same picture, with the same time: the pages show it and thumbnails record it.
      fs::copy_file(source, target->path() / source.filename());
      fs::last_write_time(target->path() / source.filename(), fs::last_write_time(source));
    }
  }
  const std::string options = "--html --multi-page --no-date-time --ignore-size 0x0 --columns 3 ";
  const Outcome one = runTool("--jobs 1 " + options + shellQuote(first.path().string()) + " " +
                                  shellQuote(first.path().string()) + " 100 100 t_ NULL",
                              scratch);
  const Outcome two = runTool("--jobs 2 " + options + shellQuote(second.path().string()) + " " +
                                  shellQuote(second.path().string()) + " 100 100 t_ NULL",
                              scratch);
  EXPECT_EQ(one.status, 1) << "the corpus holds unreadable files";
  EXPECT_EQ(two.status, one.status);
  std::string oneLog = one.out, twoLog = two.out;
  oneLog = std::regex_replace(oneLog, std::regex(first.path().string()), "DIR");
  twoLog = std::regex_replace(twoLog, std::regex(second.path().string()), "DIR");
  EXPECT_EQ(oneLog, twoLog);
  int compared = 0;
  for (const auto& entry : fs::directory_iterator(first.path())) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("t_", 0) != 0 && name.rfind("index", 0) != 0) continue;
    std::string a = test::readText(entry.path()), b = test::readText(second.path() / name);
    a = std::regex_replace(a, std::regex(first.path().string()), "DIR");
    b = std::regex_replace(b, std::regex(second.path().string()), "DIR");
    EXPECT_TRUE(a == b) << name;
    ++compared;
  }
  EXPECT_GT(compared, 40);
}

}  // namespace
}  // namespace vok

namespace vok {
namespace {

std::set<std::string> optionsIn(const std::string& text) {
  std::set<std::string> options;
  const std::regex option("(^|[\\s,])(--?[a-z][a-z-]*)");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
       it != std::sregex_iterator(); ++it)
    options.insert((*it)[2].str());
  return options;
}

// The shell completion offers exactly the options that --help lists, so the two cannot drift.
TEST_F(BatchFixture, CompletionOffersEveryOptionOfHelp) {
  const std::string help = runTool("--help", scratch).out;
  const auto listed = help.find("Options:");
  ASSERT_NE(listed, std::string::npos) << help;
  const std::string completion =
      test::readText(std::string(VOK_TEST_DATA_DIR) + "/../../packaging/vok-batch.bash-completion");
  const std::smatch words = [&] {
    std::smatch match;
    std::regex_search(completion, match, std::regex("options=\"([^\"]*)\""));
    return match;
  }();
  ASSERT_FALSE(words.empty()) << completion;
  std::set<std::string> offered = optionsIn(words[1].str());
  std::set<std::string> helped = optionsIn(help.substr(listed));
  helped.erase("-h");  // the short form is not offered: a completion lists the long names
  EXPECT_EQ(offered, helped);
}

}  // namespace
}  // namespace vok
