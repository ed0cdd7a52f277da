#include "settings/stored_options.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/whole_number.h"
#include "fake_windows.h"
#include "scoped_env.h"
#include "settings/key_path.h"
#include "settings/regutl.h"

namespace vok {
namespace {

TEST(StoredOptions, FirstLoadGivesDefaultsAndWritesNothing) {
  test::StoreInTempDir s;
  test::ScopedEnv home("HOME", s.dir.path().string());
  test::ScopedEnv file("VOK_SETTINGS_FILE", s.path());
  const StoredOptions stored = loadStoredOptions();
  EXPECT_EQ(stored.options.ThumbX, "200");
  EXPECT_EQ(stored.options.Preamble, "_");
  EXPECT_EQ(stored.options.Drive, "/");
  EXPECT_EQ(stored.options.Directory, s.dir.path().string());
  EXPECT_EQ(stored.options.IgnoreX, 200);
  EXPECT_TRUE(stored.options.AutoDir);
  EXPECT_EQ(stored.catalog.Title, "JPEG File Catalog");
  EXPECT_FALSE(SettingsKeyExists(s.store, SettingsKeyPath));
  EXPECT_FALSE(std::filesystem::exists(s.path()));
}

TEST(StoredOptions, UsedValuesComeBackAtTheNextLoad) {
  test::StoreInTempDir s;
  StoredOptions stored = loadStoredOptions(s.store);
  ThumbnailOptions used = stored.options;
  used.ThumbX = "0120";
  used.ThumbY = "90";
  used.Preamble = "";
  used.Postamble = "-s";
  used.Directory = "/pic";
  used.Warning = true;
  stored.catalog.HEADBlock = "a\r\nb\r\nc";
  saveUsedOptions(s.store, used, stored.catalog);

  const StoredOptions again = loadStoredOptions(s.store);
  EXPECT_EQ(again.options.ThumbX, "120");
  EXPECT_EQ(again.options.ThumbY, "90");
  EXPECT_EQ(again.options.Preamble, "");
  EXPECT_EQ(again.options.Postamble, "-s");
  EXPECT_EQ(again.options.Directory, "/pic");
  EXPECT_TRUE(again.options.Warning);
  EXPECT_EQ(again.catalog.HEADBlock, "a\r\nb\r\nc");
  // Window positions are not the batch tool's to write.
  EXPECT_FALSE(s.store.value("\\software\\Tessaly_Vok\\formMain", "Left"));
}

TEST(StoredOptions, SaveCreatesTheKeyButABadSizeStoresNoOptions) {
  test::StoreInTempDir s;
  ThumbnailOptions used;
  saveUsedOptions(s.store, used, {});
  EXPECT_TRUE(SettingsKeyExists(s.store, subkeyPath(SettingsKeyPath, kMainSection)));

  EraseSettingsKey(s.store, SettingsKeyPath);
  used.ThumbX = "abc";
  EXPECT_THROW(saveUsedOptions(s.store, used, {}), NotWholeNumberError);
  EXPECT_FALSE(SettingsKeyExists(s.store, subkeyPath(SettingsKeyPath, kMainSection)));
  EXPECT_TRUE(SettingsKeyExists(s.store, subkeyPath(SettingsKeyPath, kHtmlSection)));
}

}  // namespace
}  // namespace vok
