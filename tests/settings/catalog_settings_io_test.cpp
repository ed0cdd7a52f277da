#include "settings/catalog_settings_io.h"

#include <gtest/gtest.h>

#include "fake_windows.h"
#include "settings/settings_errors.h"
#include "support/files.h"

namespace vok {
namespace {

void storeHtml(const test::StoreInTempDir& s, const std::string& values) {
  test::writeText(s.path(), "[\\software\\Tessaly_Vok\\formHTML]\n" + values);
}

TEST(CatalogSettingsLoad, EmptyStoreReplacesEveryValueByItsDefault) {
  test::StoreInTempDir s;
  CatalogSettings settings = test::FakeHtmlForm().shown;  // the designed states
  LoadSettings(s.store, settings);
  EXPECT_EQ(settings.Title, "JPEG File Catalog");
  EXPECT_EQ(settings.Column, "4");
  EXPECT_EQ(settings.Row, "5");
  EXPECT_EQ(settings.TABLEOption, "BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"5\"");
  EXPECT_EQ(settings.SingleMultiPage, 0);
  EXPECT_TRUE(settings.TimeStamp);
  EXPECT_TRUE(settings.DateAndTime);
  EXPECT_FALSE(settings.DisplayInNewPage);
}

TEST(CatalogSettingsLoad, NumbersAndSwitchesFollowTheWholeNumberRule) {
  test::StoreInTempDir s;
  storeHtml(s,
            "SingleMultiPage = \"2\"\nNameInfo = \"0\"\nFileSizeInfo = \"word\"\n"
            "PictureSizeInfo = \"$0\"\nTimeStamp = \" -3\"\nDisplayInNewPage = \"0x1\"\n"
            "DateAndTime = \"\"\nColumn = \"abc\"\nRow = \"150\"\n");
  CatalogSettings settings;
  LoadSettings(s.store, settings);
  EXPECT_EQ(settings.SingleMultiPage, 1);
  EXPECT_FALSE(settings.NameInfo);
  EXPECT_TRUE(settings.FileSizeInfo);  // not a number: the default
  EXPECT_FALSE(settings.PictureSizeInfo);
  EXPECT_TRUE(settings.TimeStamp);
  EXPECT_TRUE(settings.DisplayInNewPage);
  EXPECT_TRUE(settings.DateAndTime);
  EXPECT_EQ(settings.Column, "abc");  // texts unchanged, no range check
  EXPECT_EQ(settings.Row, "150");

  storeHtml(s, "SingleMultiPage = \"one\"\n");
  LoadSettings(s.store, settings);
  EXPECT_EQ(settings.SingleMultiPage, 0);
}

TEST(CatalogSettingsLoad, WrongTypeStopsInTheStoredOrder) {
  test::StoreInTempDir s;
  storeHtml(s, "Title = \"T\"\nColumn = \"7\"\nRow = dword:00000005\nIndexName = \"page\"\n");
  CatalogSettings settings = test::FakeHtmlForm().shown;
  EXPECT_THROW(LoadSettings(s.store, settings), SettingsValueTypeError);
  EXPECT_EQ(settings.Title, "T");
  EXPECT_EQ(settings.Column, "7");
  EXPECT_EQ(settings.Row, "1");            // the dialog's own value
  EXPECT_EQ(settings.IndexName, "index");  // not reached
}

// The page mode is the item its radio group selects, and a save stores that item.
TEST(CatalogSettingsLoad, PageModeIsTheSelectedItem) {
  const struct {
    const char* stored;
    int item;
  } cases[] = {{"2", 1}, {"$7FFFFFFF", 1}, {"1", 1}, {"0", 0}, {"one", 0}, {"-1", -1}, {"-3", -1}};
  for (const auto& c : cases) {
    test::StoreInTempDir s;
    storeHtml(s, std::string("SingleMultiPage = \"") + c.stored + "\"\n");
    CatalogSettings settings;
    LoadSettings(s.store, settings);
    EXPECT_EQ(settings.SingleMultiPage, c.item) << c.stored;
    SaveSettings(s.store, settings);
    EXPECT_EQ(s.store.value("\\software\\Tessaly_Vok\\formHTML", "SingleMultiPage"),
              StoredValue::ofText(std::to_string(c.item)))
        << c.stored;
  }
}

TEST(CatalogSettingsLoad, EmptyPageNameOrExtensionGivesTheDefault) {
  test::StoreInTempDir s;
  storeHtml(s, "IndexName = \"\"\nIndexExt = \"\"\nComment = \"\"\n");
  CatalogSettings settings = test::FakeHtmlForm().shown;
  settings.Comment = "designed";
  LoadSettings(s.store, settings);
  EXPECT_EQ(settings.IndexName, "index");
  EXPECT_EQ(settings.IndexExt, "html");
  EXPECT_EQ(settings.Comment, "");  // other texts stay as stored
}

TEST(CatalogSettingsSave, EverythingRoundTrips) {
  test::StoreInTempDir s;
  CatalogSettings saved;
  saved.Title = "Trip \"2024\"";
  saved.Comment = "\xe6\x97\x85";  // non-ASCII text
  saved.Column = "07";
  saved.Row = "";
  saved.IndexName = "album";
  saved.IndexExt = "htm";
  saved.MaintainerName = "A. B.";
  saved.MaintainerEmail = "a@b";
  saved.BODYOption = "BGCOLOR=\"#fff\"";
  saved.TABLEOption = "";
  saved.HEADBlock = "<META a>\r\n<META b>\r\n<LINK c>";  // three lines
  saved.SingleMultiPage = 1;
  saved.NameInfo = false;
  saved.FileSizeInfo = true;
  saved.PictureSizeInfo = false;
  saved.DateAndTime = false;
  saved.TimeStamp = false;
  saved.DisplayInNewPage = true;
  SaveSettings(s.store, saved);

  CatalogSettings loaded = test::FakeHtmlForm().shown;
  LoadSettings(s.store, loaded);
  EXPECT_EQ(loaded.Title, saved.Title);
  EXPECT_EQ(loaded.Comment, saved.Comment);
  EXPECT_EQ(loaded.Column, "07");  // texts are not turned into numbers
  EXPECT_EQ(loaded.Row, "");
  EXPECT_EQ(loaded.IndexName, saved.IndexName);
  EXPECT_EQ(loaded.IndexExt, saved.IndexExt);
  EXPECT_EQ(loaded.MaintainerName, saved.MaintainerName);
  EXPECT_EQ(loaded.MaintainerEmail, saved.MaintainerEmail);
  EXPECT_EQ(loaded.BODYOption, saved.BODYOption);
  EXPECT_EQ(loaded.TABLEOption, "");
  EXPECT_EQ(loaded.HEADBlock, saved.HEADBlock);
  EXPECT_EQ(loaded.SingleMultiPage, 1);
  EXPECT_FALSE(loaded.NameInfo);
  EXPECT_TRUE(loaded.FileSizeInfo);
  EXPECT_FALSE(loaded.PictureSizeInfo);
  EXPECT_FALSE(loaded.DateAndTime);
  EXPECT_FALSE(loaded.TimeStamp);
  EXPECT_TRUE(loaded.DisplayInNewPage);

  const auto stored = [&](const char* name) {
    return s.store.value("\\software\\Tessaly_Vok\\formHTML", name);
  };
  EXPECT_EQ(stored("HEADBlock"), StoredValue::ofText("<META a>\r\n<META b>\r\n<LINK c>"));
  EXPECT_EQ(stored("DisplayInNewPage"), StoredValue::ofText("1"));
  EXPECT_EQ(stored("NameInfo"), StoredValue::ofText("0"));
  EXPECT_EQ(stored("SingleMultiPage"), StoredValue::ofText("1"));
  // The HEAD block is one line of the file, readable as such.
  EXPECT_NE(test::readText(s.path()).find("HEADBlock = \"<META a>\\r\\n<META b>\\r\\n<LINK c>\"\n"),
            std::string::npos);
}

}  // namespace
}  // namespace vok
