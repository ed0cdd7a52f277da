// Which files of a folder are listed, and in which order: the run and the catalog follow it.
#include "convert/jpeg_file_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/files.h"
#include "support/temp_dir.h"

namespace vok {
namespace {

namespace fs = std::filesystem;

TEST(JpegFileList, RegularJpegFilesInByteOrderOfTheirNames) {
  test::TempDir dir;
  for (const char* name : {"b.jpeg", "a.JPG", "C.Jpg", "\xc3\xa9t\xc3\xa9.jpg", "_.jpg", "x.png",
                           "y.jpg.txt", "jpg", ".jpg", "z.jpe"})
    test::writeText(dir.path() / name, "");
  fs::create_directory(dir.path() / "folder.jpg");
  fs::create_symlink(dir.path() / "a.JPG", dir.path() / "link.jpg");
  fs::create_symlink(dir.path() / "missing", dir.path() / "dangling.jpg");

  const std::vector<std::string> expected{
      ".jpg", "C.Jpg", "_.jpg", "a.JPG", "b.jpeg", "link.jpg", "\xc3\xa9t\xc3\xa9.jpg"};
  EXPECT_EQ(listJpegFiles(dir.path().string()), expected);
}

TEST(JpegFileList, AMissingFolderListsNothing) {
  test::TempDir dir;
  EXPECT_TRUE(listJpegFiles(dir.file("missing")).empty());
  EXPECT_TRUE(listJpegFiles(dir.path().string()).empty());
}

}  // namespace
}  // namespace vok
