#include "settings/stored_options.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/whole_number.h"
#include "fake_windows.h"
#include "scoped_env.h"
#include "settings/key_path.h"
#include "settings/regutl.h"
#include "support/files.h"

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
  ThumbnailOptions& used = stored.options;
  used.ThumbX = "0120";
  used.ThumbY = "90";
  used.Preamble = "";
  used.Postamble = "-s";
  used.Directory = "/pic";
  used.Warning = true;
  stored.catalog.HEADBlock = "a\r\nb\r\nc";
  saveUsedOptions(s.store, stored);

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
  StoredOptions used;
  saveUsedOptions(s.store, used);
  EXPECT_TRUE(SettingsKeyExists(s.store, subkeyPath(SettingsKeyPath, kMainSection)));

  EraseSettingsKey(s.store, SettingsKeyPath);
  used.options.ThumbX = "abc";
  EXPECT_THROW(saveUsedOptions(s.store, used), NotWholeNumberError);
  EXPECT_FALSE(SettingsKeyExists(s.store, subkeyPath(SettingsKeyPath, kMainSection)));
  EXPECT_TRUE(SettingsKeyExists(s.store, subkeyPath(SettingsKeyPath, kHtmlSection)));
}

// A value edited by hand into something that is not text.
TEST(StoredOptions, ValueOfWrongTypeLosesNeitherTheOtherSectionNorTheValuesAfterIt) {
  test::StoreInTempDir s;
  test::writeText(s.path(),
                  "[\\software\\Tessaly_Vok\\formMain]\nThumbX = \"150\"\nPreamble = dword:1\n"
                  "IgnoreX = \"99\"\nWarning = \"1\"\n"
                  "[\\software\\Tessaly_Vok\\formHTML]\nTitle = \"Mine\"\nRow = \"3\"\n");
  StoredOptions stored = loadStoredOptions(s.store);
  EXPECT_EQ(stored.problems, std::vector<std::string>{"Invalid data type for 'Preamble'"});
  EXPECT_EQ(stored.options.ThumbX, "150");  // read before the failure
  EXPECT_EQ(stored.options.IgnoreX, 200);   // not reached
  EXPECT_EQ(stored.catalog.Title, "Mine");
  EXPECT_EQ(stored.catalog.Row, "3");

  stored.options.ThumbX = "120";  // what the run used
  stored.options.Warning = true;  // changed by the run although not read
  saveUsedOptions(s.store, stored);
  const auto value = [&](const char* section, const char* name) {
    return s.store.value(subkeyPath(SettingsKeyPath, section), name);
  };
  EXPECT_EQ(value("formMain", "ThumbX"), StoredValue::ofText("120"));
  EXPECT_EQ(value("formMain", "Preamble"), StoredValue::ofDword(1));
  EXPECT_EQ(value("formMain", "IgnoreX"), StoredValue::ofText("99"));
  EXPECT_EQ(value("formMain", "Warning"), StoredValue::ofText("1"));
  EXPECT_EQ(value("formHTML", "Title"), StoredValue::ofText("Mine"));
  EXPECT_EQ(value("formHTML", "Row"), StoredValue::ofText("3"));
}

}  // namespace
}  // namespace vok
