// The desktop program run unattended with six arguments, against the batch tool.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "codec/jpeg_codec.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/test_picture.h"
#include "ui/main_window.h"

namespace vok {
namespace {

namespace fs = std::filesystem;
using test::shellQuote;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

// Each run keeps its settings in the scratch folder, never in the user's.
Outcome runProgram(const std::string& program, const std::string& arguments,
                   const test::TempDir& scratch) {
  const std::string errFile = scratch.file("stderr.txt");
  const test::CommandResult result =
      test::runCommand("QT_QPA_PLATFORM=offscreen VOK_SETTINGS_FILE=" +
                       shellQuote(scratch.file(program + ".store")) + " " +
                       shellQuote(std::string(VOK_BINARY_DIR) + "/app/" + program) + " " +
                       arguments + " 2>" + shellQuote(errFile));
  return {result.status, result.output, test::readText(errFile)};
}

struct VokProgramTest : testing::Test {
  test::TempDir scratch;
  test::TempDir photos;

  void addPicture(const std::string& name, int width, int height) {
    JpegCodec::encodeFile(test::texturedPicture(width, height), photos.file(name));
  }
  std::string withFolder(const std::string& arguments) const {
    return std::regex_replace(arguments, std::regex("DIR"), shellQuote(photos.path().string()));
  }
};

TEST_F(VokProgramTest, WritesTheBatchToolsThumbnailsAndLog) {
  for (const fs::directory_entry& entry : fs::directory_iterator(test::samplePhotos()))
    if (entry.path().extension() == ".jpg") fs::copy(entry.path(), photos.path());
  fs::create_directory(photos.file("th"));
  const std::string arguments = withFolder("DIR DIR/th 120 90 NULL -s");
  const Outcome batch = runProgram("vok-batch", arguments, scratch);
  ASSERT_EQ(batch.status, 0) << batch.err;
  fs::rename(photos.file("th"), scratch.file("batch-th"));
  fs::create_directory(photos.file("th"));
  const Outcome desk = runProgram("vok", arguments, scratch);
  ASSERT_EQ(desk.status, 0) << desk.err;
  EXPECT_EQ(desk.out, batch.out);
  std::size_t compared = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(scratch.file("batch-th"))) {
    EXPECT_EQ(test::readBytes(photos.path() / "th" / entry.path().filename()),
              test::readBytes(entry.path()))
        << entry.path().filename();
    ++compared;
  }
  EXPECT_GT(compared, 0u);
  EXPECT_EQ(std::distance(fs::directory_iterator(photos.file("th")), {}), compared);
}

TEST_F(VokProgramTest, BoxWidthNotAWholeNumberConvertsNothing) {
  addPicture("a.jpg", 300, 300);
  const Outcome desk = runProgram("vok", withFolder("DIR DIR abc 120 _ NULL"), scratch);
  EXPECT_EQ(desk.status, 2);
  EXPECT_NE(desk.err.find("error: 'abc' is not a valid integer value.\n"), std::string::npos)
      << desk.err;
  EXPECT_FALSE(fs::exists(photos.file("_a.jpg")));
}

TEST_F(VokProgramTest, NextStartShowsTheValuesGiven) {
  addPicture("a.jpg", 300, 300);
  ASSERT_EQ(runProgram("vok", withFolder("DIR DIR 120 90 NULL -s"), scratch).status, 0);
  EXPECT_TRUE(fs::exists(photos.file("a-s.jpg")));
  SettingsStore store(scratch.file("vok.store"));
  TformMain next(store, {});
  EXPECT_EQ(next.sizeText(SizeField::kX), "120");
  EXPECT_EQ(next.sizeText(SizeField::kY), "90");
  EXPECT_EQ(next.preamble(), "");
  EXPECT_EQ(next.postamble(), "-s");
  EXPECT_EQ(next.originalFolder(), photos.path().string());
}

struct StatusCase {
  const char* what;
  std::vector<std::pair<std::string, std::string>> files;  // name, "WxH" or the file's text
  std::string arguments;
  friend void PrintTo(const StatusCase& c, std::ostream* out) { *out << c.what; }
};

struct VokStatusTest : VokProgramTest, testing::WithParamInterface<StatusCase> {};

TEST_P(VokStatusTest, ExitStatusIsTheBatchTools) {
  const StatusCase& c = GetParam();
  for (const auto& [name, content] : c.files) {
    int width = 0, height = 0;
    if (content == "folder")
      fs::create_directories(photos.file(name));
    else if (std::sscanf(content.c_str(), "%dx%d", &width, &height) == 2)
      addPicture(name, width, height);
    else
      test::writeText(photos.file(name), content);
  }
  const Outcome batch = runProgram("vok-batch", withFolder(c.arguments), scratch);
  for (const fs::directory_entry& entry : fs::directory_iterator(photos.path()))
    if (entry.path().filename().string().front() == '_') fs::remove(entry.path());
  const Outcome desk = runProgram("vok", withFolder(c.arguments), scratch);
  EXPECT_EQ(desk.status, batch.status) << desk.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VokStatusTest,
    testing::Values(
        StatusCase{
            "AllConverted", {{"a.jpg", "300x300"}, {"b.jpg", "100x100"}}, "DIR DIR 160 120 _ NULL"},
        StatusCase{
            "SomeUnreadable", {{"a.jpg", "300x300"}, {"b.jpg", "text"}}, "DIR DIR 160 120 _ NULL"},
        StatusCase{"BothAffixesEmpty", {{"a.jpg", "300x300"}}, "DIR DIR 160 120 NULL NULL"},
        StatusCase{"NoJpegFile", {{"a.txt", "text"}}, "DIR DIR 160 120 _ NULL"},
        StatusCase{"MissingFolder", {}, "DIR/missing DIR 160 120 _ NULL"},
        StatusCase{"FiveArguments", {{"a.jpg", "300x300"}}, "DIR DIR 160 120 _"},
        StatusCase{"LowerCaseNullIsAnAffix", {{"a.jpg", "300x300"}}, "DIR DIR 160 120 null NULL"},
        StatusCase{"ThumbnailFolderTooDeep",
                   {{"a.jpg", "300x300"}, {"th/small", "folder"}},
                   "DIR DIR/th/small 160 120 _ NULL"},
        StatusCase{"HeightNotANumber", {{"a.jpg", "300x300"}}, "DIR DIR 160 1x2 _ NULL"}),
    [](const testing::TestParamInfo<StatusCase>& param) { return param.param.what; });

}  // namespace
}  // namespace vok
