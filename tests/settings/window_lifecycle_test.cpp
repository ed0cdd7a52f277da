#include "settings/window_lifecycle.h"

#include <gtest/gtest.h>

#include "common/whole_number.h"
#include "fake_windows.h"
#include "settings/delete_registry.h"
#include "settings/key_path.h"
#include "settings/regutl.h"

namespace vok {
namespace {

// The windows of one run of the program.
struct ProgramRun {
  explicit ProgramRun(SettingsStore& s) : store(s) {
    mainFormCreate(store, main, values);
    logViewerFormCreate(store, logViewer);
    htmlFormCreate(store, html);
  }
  void end() {
    htmlFormDestroy(store, html);
    logViewerFormDestroy(store, logViewer);
    mainFormDestroy(store, main, values);
  }

  SettingsStore& store;
  test::FakeMainForm main;
  ThumbnailOptions values = optionsBeforeLoad();
  test::FakeWindow<> logViewer{"formLogViewer"};
  test::FakeHtmlForm html;
};

std::size_t valueCount(const SettingsStore& store, std::string_view section) {
  const StoreKey root = store.read();
  const StoreKey* key = root.find(splitKeyPath(subkeyPath(SettingsKeyPath, section)));
  return key == nullptr ? 0 : key->values.size();
}

TEST(WindowLifecycle, FirstStartCentresUsesDefaultsAndWritesAllSectionsAtTheEnd) {
  test::StoreInTempDir s;
  ProgramRun run(s.store);
  EXPECT_TRUE(SettingsKeyExists(s.store, SettingsKeyPath));
  EXPECT_TRUE(run.main.centred);
  EXPECT_TRUE(run.html.centred);
  EXPECT_TRUE(run.logViewer.centred);
  EXPECT_EQ(run.logViewer.width, 600);
  EXPECT_EQ(run.logViewer.height, 480);
  EXPECT_EQ(run.values.IgnoreX, 200);
  EXPECT_EQ(run.main.x, "200");
  EXPECT_EQ(run.main.captions[OptionMenuItem::kIgnoreSizeY], "Ignore Size Y=200");
  EXPECT_EQ(run.html.shown.Title, "JPEG File Catalog");
  EXPECT_EQ(run.html.shown.Column, "4");
  EXPECT_TRUE(run.html.shown.TimeStamp);
  EXPECT_FALSE(run.html.rowEnabled);
  EXPECT_EQ(valueCount(s.store, kMainSection), 0u);  // nothing written while running

  run.main.moveTo(40, 50);
  run.html.shown.SingleMultiPage = 1;
  run.end();
  EXPECT_EQ(valueCount(s.store, kMainSection), 15u);
  EXPECT_EQ(valueCount(s.store, kHtmlSection), 20u);
  EXPECT_EQ(valueCount(s.store, kLogViewerSection), 2u);

  ProgramRun next(s.store);
  EXPECT_FALSE(next.main.centred);
  EXPECT_EQ(next.main.left(), 40);
  EXPECT_EQ(next.main.top(), 50);
  EXPECT_FALSE(next.logViewer.centred);
  EXPECT_EQ(next.logViewer.width, 300);  // sizes are not stored
  EXPECT_TRUE(next.html.rowEnabled);
}

TEST(WindowLifecycle, DeleteRegistryMeansNothingIsWrittenAndDefaultsNextTime) {
  test::StoreInTempDir s;
  {
    ProgramRun first(s.store);
    first.main.pre = "th_";
    first.end();
  }
  ProgramRun run(s.store);
  EXPECT_EQ(run.main.pre, "th_");
  test::MessageRecorder boxes;
  menuOptionDeleteRegistryClick(s.store, boxes);
  menuOptionDeleteRegistryClick(s.store, boxes);
  ASSERT_EQ(boxes.messages.size(), 2u);
  EXPECT_EQ(boxes.messages[1].text, "Target registry is not existed.");
  EXPECT_EQ(run.main.pre, "th_");  // the windows keep what they show
  run.end();
  EXPECT_FALSE(SettingsKeyExists(s.store, SettingsKeyPath));

  ProgramRun next(s.store);
  EXPECT_EQ(next.main.pre, "_");
  EXPECT_TRUE(next.main.centred);
  EXPECT_TRUE(next.html.centred);
}

TEST(WindowLifecycle, SizeThatIsNotANumberBlocksOnlyTheOptions) {
  test::StoreInTempDir s;
  ProgramRun run(s.store);
  run.main.x = "abc";
  run.main.pre = "changed";
  run.main.moveTo(5, 6);
  EXPECT_THROW(run.end(), NotWholeNumberError);
  EXPECT_EQ(s.store.value("\\software\\Tessaly_Vok\\formMain", "Left"), StoredValue::ofText("5"));
  EXPECT_FALSE(s.store.value("\\software\\Tessaly_Vok\\formMain", "Preamble"));
  EXPECT_EQ(valueCount(s.store, kHtmlSection), 20u);  // the dialog was destroyed before
}

TEST(WindowLifecycle, SectionDeletedByHandComesBackAtTheEnd) {
  test::StoreInTempDir s;
  {
    ProgramRun first(s.store);
    first.html.moveTo(70, 80);
    first.end();
  }
  EraseSettingsKey(s.store, subkeyPath(SettingsKeyPath, "formHTML"));
  ProgramRun run(s.store);
  EXPECT_TRUE(run.html.centred);
  EXPECT_FALSE(run.main.centred);
  EXPECT_EQ(run.html.shown.IndexName, "index");
  run.end();
  EXPECT_EQ(valueCount(s.store, kHtmlSection), 20u);
}

TEST(WindowLifecycle, LogViewerAloneNeverCreatesTheKey) {
  test::StoreInTempDir s;
  test::FakeWindow<> viewer("formLogViewer");
  logViewerFormCreate(s.store, viewer);
  logViewerFormDestroy(s.store, viewer);
  EXPECT_TRUE(viewer.centred);
  EXPECT_FALSE(SettingsKeyExists(s.store, SettingsKeyPath));
}

}  // namespace
}  // namespace vok
