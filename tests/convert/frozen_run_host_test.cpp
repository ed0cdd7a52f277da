#include "convert/frozen_run_host.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "codec/jpeg_codec.h"
#include "convert/conversion_engine.h"
#include "support/recording_window.h"
#include "support/temp_dir.h"
#include "support/test_picture.h"

namespace vok {
namespace {

namespace fs = std::filesystem;

// The window lets events through between pictures; the user changes every field, the folders
// and the list after the first one. The run finishes what it started with.
TEST(FrozenRunHostTest, ChangesMadeDuringARunWaitForTheNextRun) {
  test::TempDir first;
  test::TempDir second;
  test::RecordingWindow window;
  window.original = first.path().string();
  window.thumbnail = window.original;
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
    JpegCodec::encodeFile(test::texturedPicture(300, 240), first.file(name));
    JpegCodec::encodeFile(test::texturedPicture(300, 240), second.file(name));
    window.files.push_back(name);
  }
  window.selectAll();
  window.onProcessEvents = [&] {
    window.original = second.path().string();
    window.thumbnail = window.original;
    window.files = {"c.jpg", "b.jpg"};
    window.selected = {true, false};
    window.pre = "changed_";
    window.sizeX = "abc";
  };

  FrozenRunHost frozen(window);
  RunLog log;
  ThumbnailOptions options;
  FixedCatalogSettings catalog;
  ConversionEngine engine(frozen, log, options, catalog);
  const RunSummary summary = engine.run();

  EXPECT_EQ(summary.converted, 3);
  for (const char* name : {"_a.jpg", "_b.jpg", "_c.jpg"})
    EXPECT_TRUE(fs::exists(first.file(name))) << name;
  for (const fs::directory_entry& entry : fs::directory_iterator(second.path()))
    EXPECT_EQ(entry.path().filename().string().rfind("_", 0), std::string::npos) << entry.path();
  EXPECT_GE(window.eventsProcessed, 3);
  EXPECT_EQ(window.rereads, 1);
}

}  // namespace
}  // namespace vok
