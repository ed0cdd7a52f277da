#include "common/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "common/error.h"
#include "support/file_size_limit.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/throws.h"

namespace vok {
namespace {

std::vector<unsigned char> bytesOf(const std::string& text) {
  return {text.begin(), text.end()};
}

TEST(AtomicFile, CreatesAndReplacesLeavingNoTemporaryFile) {
  test::TempDir dir;
  const auto path = dir.file("a.jpg");
  writeFileAtomically(path, bytesOf("first"));
  writeFileAtomically(path, bytesOf("second"));
  EXPECT_EQ(test::readText(path), "second");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0600, 0600u) << "the owner can read and write the result";
}

TEST(AtomicFile, MissingFolderFailsWithTheCreateMessage) {
  test::TempDir dir;
  const auto path = dir.file("missing/a.jpg");
  const auto message =
      test::errorMessageOf<FileWriteError>([&] { writeFileAtomically(path, bytesOf("x")); });
  ASSERT_TRUE(message);
  EXPECT_EQ(message->rfind("ファイル " + path + " を作成できません", 0), 0u) << *message;
}

TEST(AtomicFile, FailedWriteKeepsTheOldFileAndCleansUp) {
  test::TempDir dir;
  const auto path = dir.file("thumb.jpg");
  writeFileAtomically(path, bytesOf("good thumbnail"));
  {
    test::FileSizeLimit diskFull(4);
    EXPECT_THROW(writeFileAtomically(path, bytesOf("a longer replacement")), FileWriteError);
  }
  EXPECT_EQ(test::readText(path), "good thumbnail");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
      << "the temporary file is removed";
}

}  // namespace
}  // namespace vok
