#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "catalog/catalog_layout.h"
#include "catalog_fixture.h"
#include "common/error.h"
#include "support/file_size_limit.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/throws.h"

namespace vok {
namespace {

// Runs a catalog until it fails and gives the error's message.
std::string failingRunMessage(const std::string& folder, RunLog& log) {
  return test::errorMessageOf<FileWriteError>(
             [&] { test::runCatalog(test::quietSettings(true, "2", "2"), 6, folder, log); })
      .value_or("<no error>");
}

TEST(PageFileFailure, MissingFolderNamesThePageAndTheCause) {
  test::TempDir dir;
  const std::string folder = dir.file("missing");
  RunLog log;
  const std::string message = failingRunMessage(folder, log);
  EXPECT_NE(message.find(folder + "/index.html"), std::string::npos) << message;
  EXPECT_NE(message.find(std::strerror(ENOENT)), std::string::npos) << message;
  EXPECT_EQ(log.lines().size(), 4u) << "only the layout lines were logged";
}

TEST(PageFileFailure, FullDiskStopsAtOnceAndKeepsWhatWasWritten) {
  test::TempDir whole;
  RunLog wholeLog;
  test::runCatalog(test::quietSettings(true, "2", "2"), 6, whole.path().string(), wholeLog);
  const std::string complete = test::readText(whole.file("index.html"));

  test::TempDir dir;
  RunLog log;
  const std::size_t room = complete.size() - 50;  // the disk fills up inside the first page's table
  std::string message;
  {
    test::FileSizeLimit limit(room);
    message = failingRunMessage(dir.path().string(), log);
  }
  EXPECT_NE(message.find(dir.file("index.html")), std::string::npos) << message;
  EXPECT_NE(message.find(std::strerror(EFBIG)), std::string::npos) << message;
  EXPECT_EQ(test::readText(dir.file("index.html")), complete.substr(0, room));
  EXPECT_FALSE(std::filesystem::exists(dir.file("index2.html")));
  EXPECT_EQ(std::count(log.lines().begin(), log.lines().end(), "</HTML> Insertion."), 0);
}

}  // namespace
}  // namespace vok
